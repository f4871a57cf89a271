#include "model/Document.h"

#include "model/Exceptions.h"

void CDocument::SetModifiedFlag(bool modified)
{
    const bool changed = modified != m_modified;
    m_modified = modified;
    if (changed && m_onModifiedChanged)
        m_onModifiedChanged(modified);
}

void CDocument::SetPathName(const std::filesystem::path& path)
{
    m_pathName = path;
    m_title = PathToUtf8(path.filename());
}

void CDocument::ClearPathName()
{
    m_pathName.clear();
    m_title = "Untitled";
}

void CDocument::UpdateAllViews()
{
    if (m_onUpdateAllViews)
        m_onUpdateAllViews();
}

void CDocument::AboutToChange()
{
    if (m_onAboutToChange)
        m_onAboutToChange();
}
