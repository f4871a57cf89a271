#pragma once

class CNamedObject;
class CObjectManager;

// What an object list needs of an edit dialog: edit the object in place, knowing its list,
// and say whether the user accepted (OK). Each dialog of the window program implements it,
// so the model never depends on the windowing library.
class IObjectEditor {
public:
    virtual ~IObjectEditor() = default;
    virtual bool Edit(CNamedObject& object, CObjectManager& owner) = 0;
};
