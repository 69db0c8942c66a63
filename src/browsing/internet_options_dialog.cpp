#include "browsing/internet_options_dialog.h"

#include "core/errors.h"
#include "core/internet_settings.h"
#include "core/settings_store.h"
#include "core/shared_texts.h"
#include "platform/browser_profile.h"
#include "platform/browsing_memory.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

InternetOptionsDialog::InternetOptionsDialog(SettingsStore& settings, BrowserProfile& profile,
                                             BrowsingMemory& memory, QWidget* parent)
    : QDialog(parent), keptPermissions(new QListWidget(this)), m_settings(settings),
      m_profile(profile), m_memory(memory), m_homePage(new QLineEdit(this)),
      m_searchPage(new QLineEdit(this)), m_note(new QLabel(this))
{
    setWindowTitle(tr("Internet Options"));
    m_homePage->setObjectName(QStringLiteral("homePage"));
    m_searchPage->setObjectName(QStringLiteral("searchPage"));
    m_homePage->setText(InternetSettings::homePage(settings));
    m_searchPage->setText(InternetSettings::searchPage(settings));
    m_homePage->setMinimumWidth(360);
    m_note->setObjectName(QStringLiteral("note"));
    m_note->hide();

    auto* form = new QFormLayout;
    form->addRow(tr("&Home page:"), m_homePage);
    form->addRow(tr("&Search page:"), m_searchPage);
    auto* searchHint = new QLabel(tr("Words typed in an address box are searched for here: "
                                     "%s in the address stands for them; without a %s, "
                                     "q=<words> is added."),
                                  this);
    searchHint->setObjectName(QStringLiteral("searchHint"));
    searchHint->setTextFormat(Qt::PlainText);
    searchHint->setWordWrap(true);
    form->addRow(QString(), searchHint);

    auto* defaults = new QPushButton(tr("Use &Defaults"), this);
    defaults->setObjectName(QStringLiteral("useDefaults"));
    connect(defaults, &QPushButton::clicked, this, &InternetOptionsDialog::useDefaults);
    auto* clear = new QPushButton(tr("&Clear Cache, Cookies and History"), this);
    clear->setObjectName(QStringLiteral("clearBrowsingData"));
    connect(clear, &QPushButton::clicked, this, &InternetOptionsDialog::clearBrowsingData);

    keptPermissions->setObjectName(QStringLiteral("keptPermissions"));
    keptPermissions->setAccessibleName(tr("Decisions remembered for sites"));
    keptPermissions->setMaximumHeight(120);
    auto* forget = new QPushButton(tr("&Forget"), this);
    forget->setObjectName(QStringLiteral("forgetPermission"));
    connect(forget, &QPushButton::clicked, this, &InternetOptionsDialog::forgetSelectedPermission);
    listPermissions();

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &InternetOptionsDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &InternetOptionsDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(defaults, 0, Qt::AlignLeft);
    layout->addWidget(clear, 0, Qt::AlignLeft);
    layout->addWidget(new QLabel(tr("Decisions remembered for sites:"), this));
    layout->addWidget(keptPermissions);
    layout->addWidget(forget, 0, Qt::AlignLeft);
    layout->addWidget(m_note);
    layout->addWidget(buttons);
}

void InternetOptionsDialog::accept()
{
    for (QLineEdit* field : {m_homePage, m_searchPage}) {
        if (!InternetSettings::isAddress(field->text())) {
            showNote(tr("\"%1\" is not a web address.").arg(field->text()), true);
            field->setFocus();
            return;
        }
    }
    using namespace InternetSettings;
    try {
        m_settings.update(Texts::kProgramStore, [this] {
            m_settings.write(Texts::kProgramStore, kSection, kHomePageKey,
                             m_homePage->text().trimmed());
            m_settings.write(Texts::kProgramStore, kSection, kSearchPageKey,
                             m_searchPage->text().trimmed());
        });
    } catch (const StoreError& error) {
        showNote(tr("The settings could not be saved. %1").arg(QString::fromUtf8(error.what())),
                 true);
        return;
    }
    QDialog::accept();
}

void InternetOptionsDialog::useDefaults()
{
    m_homePage->setText(InternetSettings::kDefaultHomePage);
    m_searchPage->setText(InternetSettings::kDefaultSearchPage);
}

void InternetOptionsDialog::clearBrowsingData()
{
    m_profile.clearBrowsingData();
    showNote(tr("Cache, cookies and history cleared; what sites stored goes as Brivola next "
                "starts."),
             false);
}

void InternetOptionsDialog::listPermissions()
{
    keptPermissions->clear();
    for (const SitePermission& kept : m_memory.permissions()) {
        const QString answer = kept.allowed ? tr("Allow") : tr("Deny");
        auto* item = new QListWidgetItem(tr("%1 may %2: %3").arg(kept.origin, kept.feature, answer),
                                         keptPermissions);
        item->setData(Qt::UserRole, kept.origin);
        item->setData(Qt::UserRole + 1, kept.feature);
    }
}

// The site is asked again the next time it wants the feature.
void InternetOptionsDialog::forgetSelectedPermission()
{
    const QListWidgetItem* item = keptPermissions->currentItem();
    if (!item)
        return;
    m_memory.forgetPermission(item->data(Qt::UserRole).toString(),
                              item->data(Qt::UserRole + 1).toString());
    listPermissions();
}

void InternetOptionsDialog::showNote(const QString& text, bool problem)
{
    m_note->setStyleSheet(problem ? QStringLiteral("color: #b00000") : QString());
    m_note->setText(text);
    m_note->show();
}
