#pragma once

#include "model/PartKind.h"

#include <QAbstractTableModel>
#include <QCollator>
#include <QIcon>
#include <QTableView>

#include <array>
#include <optional>
#include <vector>

class CNamedObject;
class CObjectManager;
class QLineEdit;

// What a catalogue row shows of every kind of part.
struct SPartFields {
    EPartKind kind = EPartKind::tree;
    const std::string* catalogNo = nullptr;
    const std::string* price = nullptr;
    int32_t partsPerPackage = 0;
};
std::optional<SPartFields> PartFieldsOf(const CNamedObject& part);

// The catalogue's parts as table rows: Description, Kind, Catalogue no, Price. The rows are
// kept in the order of the sort column, equal values in the catalogue's order; a filter text
// narrows them to the parts whose name or catalogue number contains it. The model neither
// owns nor changes the parts.
class CPartsTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum EColumn { description, kind, catalogNo, price, columnTotal };

    explicit CPartsTableModel(QObject* parent = nullptr);
    ~CPartsTableModel() override;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;

    // Shows the parts of the list, sorted once.
    void Fill(const CObjectManager& list);
    void Clear();
    // Adds a row for the part at its sorted place; its row, or -1 when the filter hides it.
    int Add(CNamedObject* part);
    // Takes away the part's row (never the part); false when there is none.
    bool Remove(const CNamedObject* part);
    // Moves the part's row to where its current values sort; its row, or -1 when hidden.
    int Refresh(const CNamedObject* part);

    void SetFilter(const QString& text);
    const QString& Filter() const { return m_filter; }

    CNamedObject* PartAt(int row) const;
    // The row showing the part, or -1.
    int RowOf(const CNamedObject* part) const;

    static QIcon KindIcon(EPartKind kind);
    static QString KindName(EPartKind kind);

private:
    class CSortKey;
    struct SRow;

    SRow MakeRow(CNamedObject* part);
    // Gives the row its key for the column, once.
    void MakeKey(SRow& row, int column) const;
    bool Less(const SRow& left, const SRow& right) const;
    void SortRows();
    bool Matches(const SRow& row) const;
    void ApplyFilter();
    // The place in m_rows of the part's row, or -1.
    int IndexOf(const CNamedObject* part) const;
    const SRow& ShownRow(int row) const;

    QCollator m_collator;
    bool m_bytewise = false;
    std::vector<SRow> m_rows;
    // Indices into m_rows of the rows the filter lets through; unused without a filter.
    std::vector<int> m_shown;
    QString m_filter;
    int m_sortColumn = description;
    Qt::SortOrder m_sortOrder = Qt::AscendingOrder;
    int m_nextSequence = 0;
};

// The parts table of the main form: whole rows selected one at a time, sorted by a click on
// a column header. Double-click and Enter ask for the part to be edited, Delete for it to be
// deleted; the form decides what that means. Home and End select the first and the last part.
class CPartsTable : public QTableView {
    Q_OBJECT
public:
    explicit CPartsTable(QWidget* parent = nullptr);

    CPartsTableModel& Model() const { return *m_model; }

    // Shows every part of the list with nothing selected.
    void FillFromList(const CObjectManager& list);
    void ClearEntries();
    // Adds a row for the part and selects it (clearing a filter that would hide it).
    bool AddAndSelect(CNamedObject* part);
    // Moves the selected row to where its part's current values sort, keeping it selected.
    bool RefreshSelected();
    // Takes away the selected row (never its part); false when nothing is selected.
    bool DeleteSelected();

    int count() const { return m_model->rowCount(); }
    QString EntryText(int row) const;
    CNamedObject* GetSelectedObject() const;
    // The selected row, or -1.
    int GetSelectedIndex() const;
    // Selects the row; -1 selects nothing.
    void SelectIndex(int row);
    int FindObject(const CNamedObject* part) const { return m_model->RowOf(part); }
    bool SelectObject(const CNamedObject* part);
    // Selects the part, clearing a filter that would hide it.
    void Reveal(const CNamedObject* part);
    // Shows only the parts whose name or catalogue number contains the text; the selected
    // part stays selected while it is shown.
    void SetFilter(const QString& text);
    // Column widths and sorting as saved by the header; the name column keeps stretching.
    void RestoreColumns(const QByteArray& state);
    // The header's state with the widths the user gave the columns, also while a narrow table
    // shows them narrower.
    QByteArray SavedColumns();
    // The width at which a name of kReadableNameLength characters, the kind, a catalogue number
    // and a price still show whole.
    static constexpr int kReadableNameLength = 24;
    int ReadableWidth() const;

signals:
    void selectedPartChanged();
    void editRequested();
    void deleteRequested();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void SetColumnModes();
    // On a table too narrow for its columns, the columns beside the name give up width in
    // proportion, down to what their texts need while the name keeps its readable width, so
    // that every column stays in sight; they get their widths back as it grows.
    void FitColumns();
    // The least width of each column that shows its texts whole (the name's: readable length).
    std::array<int, CPartsTableModel::columnTotal> ReadableWidths() const;
    void ShowWidths(const std::array<int, CPartsTableModel::columnTotal>& widths);
    // Selects the row, or the part's row after clearing the filter when row is -1.
    void SelectRevealing(const CNamedObject* part, int row);

    CPartsTableModel* m_model;
    // The widths the columns were given, by default or by the user.
    std::array<int, CPartsTableModel::columnTotal> m_wantedWidths {};
    bool m_fitting = false;
};
