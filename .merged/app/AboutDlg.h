#pragma once

#include <QDialog>

class CHyperlinkLabel;
class CVersionInfo;
class QLabel;

// Help, About: the program's icon, its version line and legal line from the version data,
// and links to the maker's mail address and homepage.
class CAboutDlg : public QDialog {
    Q_OBJECT
public:
    explicit CAboutDlg(const CVersionInfo& versionInfo, QWidget* parent = nullptr);

    QLabel* VersionLine() const { return m_pVersion; }
    QLabel* LegalLine() const { return m_pLegalLine; }
    CHyperlinkLabel* MailLink() const { return m_pMailLink; }
    CHyperlinkLabel* HomepageLink() const { return m_pHomepageLink; }

private:
    void LoadVersionData(const CVersionInfo& versionInfo);

    QLabel* m_pVersion;
    QLabel* m_pLegalLine;
    CHyperlinkLabel* m_pHomepageLink;
    CHyperlinkLabel* m_pMailLink;
};
