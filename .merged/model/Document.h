#pragma once

#include <filesystem>
#include <functional>
#include <string>

// The little the model needs of a document: its modified flag, its file and its title.
// The window program observes changes through the callbacks.
class CDocument {
public:
    virtual ~CDocument() = default;

    bool IsModified() const { return m_modified; }
    void SetModifiedFlag(bool modified = true);

    const std::filesystem::path& GetPathName() const { return m_pathName; }
    // Sets the file and, from its name, the title.
    void SetPathName(const std::filesystem::path& path);
    void ClearPathName();
    // The file's name, or "Untitled" for a document never saved.
    const std::string& GetTitle() const { return m_title; }

    // Everyone who changes the catalogue says so first, so that a reader on another thread
    // can stop before it does.
    void AboutToChange();

    std::function<void(bool)> m_onModifiedChanged;
    std::function<void()> m_onUpdateAllViews;
    std::function<void()> m_onAboutToChange;

protected:
    void UpdateAllViews();

private:
    bool m_modified = false;
    std::filesystem::path m_pathName;
    std::string m_title = "Untitled";
};
