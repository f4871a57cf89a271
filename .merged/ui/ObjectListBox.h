#pragma once

#include <QCollator>
#include <QListWidget>

class CNamedObject;
class CObjectManager;

// A list box that keeps its entries sorted alphabetically ignoring case and draws them
// itself: a solid background, the text inset by three pixels and a three-pixel focus frame.
// Every entry carries an object that the list box neither owns nor names: entries with
// equal texts are told apart by their objects only. Indices are row numbers; where an
// index is asked for, -1 stands for the selected entry.
class CItemListBox : public QListWidget {
    Q_OBJECT
public:
    explicit CItemListBox(QWidget* parent = nullptr);

    // Adds an entry with the text at its sorted place; returns its index.
    int AddEntry(const QString& text);
    // Deletes the entry; false for an index that does not exist.
    bool DeleteEntry(int index);
    // Deletes every entry.
    void ClearEntries();

    CNamedObject* GetEntryObject(int index) const;
    bool SetEntryObject(int index, CNamedObject* object);

    // The selected row, or -1 when nothing is selected.
    int GetSelectedIndex() const;
    // Selects the row; -1 selects nothing.
    void SelectIndex(int index);

    // Height of a line of text in the list box's font, measured once per font.
    int TextHeight() const;

protected:
    void changeEvent(QEvent* event) override;

private:
    int SortedInsertPosition(const QString& text) const;

    QCollator m_collator;
    mutable int m_textHeight = 0;
};

// The list box of named objects: each entry shows an object's name and hands back that
// object. After any change of the selection it emits itemSelectionChanged().
class CObjectListBox : public CItemListBox {
    Q_OBJECT
public:
    explicit CObjectListBox(QWidget* parent = nullptr);

    // Shows every object of the list and selects the entry of select (none when null or
    // not in the list).
    void FillFromList(const CObjectManager& list, const CNamedObject* select = nullptr);
    // Re-inserts the selected entry under its object's current name, keeping it selected;
    // false when nothing is selected.
    virtual bool RefreshSelected();
    // Adds an entry for the object under its name and selects it; false for none.
    virtual bool AddAndSelect(CNamedObject* object);

    // The object of the selected entry, or null when nothing is selected.
    CNamedObject* GetSelectedObject() const;
    // Deletes the selected entry (never its object); false when nothing is selected.
    bool DeleteSelected();

    // The row of the entry carrying the object, or -1.
    int FindObject(const CNamedObject* object) const;
    // Selects the entry carrying the object; false (and nothing selected) when there is none.
    bool SelectObject(const CNamedObject* object);
    // Re-inserts the object's entry under its current name at its sorted place, keeping its
    // selection state; false when no entry carries the object.
    bool RefreshObject(const CNamedObject* object);
    // Deletes the entry carrying the object (never the object); false when there is none.
    bool DeleteObject(const CNamedObject* object);
};
