#include "app/AboutDlg.h"

#include "app/HyperlinkLabel.h"
#include "app/VersionInfo.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QIcon>
#include <QLabel>
#include <QPushButton>

namespace {

const QColor kLinkBlue(0, 0, 255);

void MakeLink(CHyperlinkLabel& label, const QString& target)
{
    label.SetUnderline(true);
    label.SetLabelColor(kLinkBlue);
    label.SetLink(true, target);
}

}

CAboutDlg::CAboutDlg(const CVersionInfo& versionInfo, QWidget* parent)
    : QDialog(parent)
    , m_pVersion(new QLabel(tr("Modelwright Version 2.0"), this))
    , m_pLegalLine(new QLabel(tr("The Modelwright developers"), this))
    , m_pHomepageLink(new CHyperlinkLabel(tr("Homepage"), this))
    , m_pMailLink(new CHyperlinkLabel(tr("E-Mail"), this))
{
    setWindowTitle(tr("About Modelwright"));
    setObjectName(QStringLiteral("AboutDlg"));
    m_pVersion->setTextFormat(Qt::PlainText);
    m_pLegalLine->setTextFormat(Qt::PlainText);
    m_pVersion->setObjectName(QStringLiteral("version"));
    m_pLegalLine->setObjectName(QStringLiteral("legalLine"));
    m_pMailLink->setObjectName(QStringLiteral("mailLink"));
    m_pHomepageLink->setObjectName(QStringLiteral("homepageLink"));

    auto* pIcon = new QLabel(this);
    pIcon->setPixmap(QIcon(QStringLiteral(":/app/modelwright.svg")).pixmap(48, 48));
    auto* pButtons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    pButtons->button(QDialogButtonBox::Ok)->setDefault(true);
    connect(pButtons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* pLayout = new QGridLayout(this);
    pLayout->setHorizontalSpacing(18);
    pLayout->addWidget(pIcon, 0, 0, 2, 1, Qt::AlignTop);
    pLayout->addWidget(m_pVersion, 0, 1);
    pLayout->addWidget(m_pLegalLine, 1, 1);
    pLayout->addWidget(m_pMailLink, 2, 1);
    pLayout->addWidget(m_pHomepageLink, 3, 1);
    pLayout->addWidget(pButtons, 3, 2, Qt::AlignBottom);
    pLayout->setColumnStretch(1, 1);

    MakeLink(*m_pMailLink, QStringLiteral("mailto:") + MW_CONTACT_MAIL);
    MakeLink(*m_pHomepageLink, QStringLiteral(MW_HOMEPAGE));
    LoadVersionData(versionInfo);
    setFixedSize(sizeHint().expandedTo(QSize(400, 0)));
}

void CAboutDlg::LoadVersionData(const CVersionInfo& versionInfo)
{
    QString value;
    if (versionInfo.GetStringValue(QStringLiteral("LegalCopyRight"), value))
        m_pLegalLine->setText(value);
    if (versionInfo.GetStringValue(QStringLiteral("ProductVersion"), value))
        m_pVersion->setText(tr("Modelwright") + ' ' + tr("version") + ' ' + value);
}
