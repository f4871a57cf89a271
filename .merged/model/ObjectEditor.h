#pragma once

#include <functional>
#include <utility>

class CNamedObject;
class CObjectManager;

// What an object list needs of an edit dialog: edit the object in place, knowing its list,
// and say whether the user accepted (OK). Each dialog of the window program implements it,
// so the model never depends on the windowing library.
class IObjectEditor {
public:
    virtual ~IObjectEditor() = default;
    virtual bool Edit(CNamedObject& object, CObjectManager& owner) = 0;

    // Whoever runs the dialog hears through this of changes the dialog makes at once while it
    // runs (a building's elements, an address record). An address record's change stays even
    // when the dialog ends with Cancel; a building's dialog puts the building back.
    void OnChanged(std::function<void()> listener) { m_changed = std::move(listener); }

protected:
    void ReportChanged() const
    {
        if (m_changed)
            m_changed();
    }

private:
    std::function<void()> m_changed;
};
