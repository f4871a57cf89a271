#pragma once

#include "ui/CatalogueSheet.h"

#include <QDialog>
#include <QObject>

class CModelwrightView;
class QCheckBox;
class QComboBox;
class QLabel;
class QPrinter;
class QPushButton;

// The sheet's choices: the model scale whose real sizes the cards add (none, a common one or
// one typed), and whether the sheet holds every part or those the table shows, in its order.
class CSheetOptionsDlg : public QDialog {
    Q_OBJECT
public:
    explicit CSheetOptionsDlg(QWidget* parent = nullptr);

    void SetChoices(double modelScale, bool asShown);
    // The scale's denominator, 0 for none; meaningful once OK is available.
    double ModelScale() const;
    bool AsShown() const;

    QComboBox* ScaleBox() const { return m_scale; }
    QCheckBox* AsShownBox() const { return m_asShown; }
    QPushButton* OkButton() const { return m_ok; }

private:
    void UpdateOkButton();

    QComboBox* m_scale;
    QCheckBox* m_asShown;
    QPushButton* m_ok;
    QLabel* m_okHint;
};

// Print, Print Preview and Export catalogue as PDF of the main window: the same sheet each
// time, drawn with a progress dialog that appears when the work takes longer than half a
// second and whose Cancel stops it.
class CSheetCommands : public QObject {
    Q_OBJECT
public:
    CSheetCommands(CModelwrightView& view, QWidget& window);

    // Asks for the sheet's choices, keeping them for the next time; false when cancelled.
    bool AskOptions();
    // The sheet of the choices made.
    SSheetContent Content() const;

    // Prints on the printer as set up; a cancelled print sends nothing.
    void Print(QPrinter& printer);
    // Draws the sheet for a preview, or for the print the preview asks for.
    void Draw(QPrinter& printer);
    // Asks for the choices and the file, then writes the PDF on the page set up; the file
    // written, empty when cancelled or failed (the error was shown).
    QString ExportPdf(const QPageLayout& page);

    // Where the PDF goes: the folder of the last export and the catalogue's name with ".pdf".
    QString PdfProposal() const;

protected:
    virtual QString AskPdfPath();
    virtual void ReportError(const QString& message);

private:
    // Runs the drawing under a progress dialog; false when cancelled.
    bool WithProgress(const std::function<bool(const CCatalogueSheet::Progress&)>& work, int parts);

    CModelwrightView& m_view;
    QWidget& m_window;
    double m_modelScale = 0;
    bool m_asShown = false;
};
