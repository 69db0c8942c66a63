#include "browsing/downloads_window.h"

#include "platform/download.h"

#include <QLabel>
#include <QLocale>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

#include <algorithm>

namespace {

QString bytesText(const Download& download)
{
    const QLocale locale;
    const QString done = locale.formattedDataSize(download.receivedBytes());
    if (download.totalBytes() < 0)
        return done;
    return QObject::tr("%1 of %2").arg(done, locale.formattedDataSize(download.totalBytes()));
}

QString stateText(const Download& download)
{
    switch (download.state()) {
    case Download::State::Running:
        return bytesText(download);
    case Download::State::Finished:
        return QObject::tr("Done, %1").arg(QLocale().formattedDataSize(download.receivedBytes()));
    case Download::State::Cancelled:
        return QObject::tr("Cancelled");
    case Download::State::Failed:
        return QObject::tr("Failed: %1").arg(download.failure());
    }
    return {};
}

// One download's row: it follows the download until it ends.
QWidget* downloadRow(Download* download, QWidget* parent)
{
    auto* row = new QWidget(parent);
    row->setObjectName(QStringLiteral("download"));
    auto* name = new QLabel(download->fileName(), row);
    name->setObjectName(QStringLiteral("fileName"));
    name->setToolTip(download->folder());
    auto* bar = new QProgressBar(row);
    bar->setObjectName(QStringLiteral("progress"));
    auto* bytes = new QLabel(row);
    bytes->setObjectName(QStringLiteral("bytes"));
    auto* cancel = new QPushButton(QObject::tr("Cancel"), row);
    cancel->setObjectName(QStringLiteral("cancelDownload"));
    auto* folder = new QPushButton(QObject::tr("Open folder"), row);
    folder->setObjectName(QStringLiteral("openFolder"));

    auto* layout = new QGridLayout(row);
    layout->addWidget(name, 0, 0, 1, 3);
    layout->addWidget(bar, 1, 0);
    layout->addWidget(cancel, 1, 1);
    layout->addWidget(folder, 1, 2);
    layout->addWidget(bytes, 2, 0, 1, 3);

    const QPointer<Download> followed(download);
    const auto update = [=] {
        if (!followed)
            return;
        const bool running = followed->state() == Download::State::Running;
        const qint64 total = followed->totalBytes();
        bar->setRange(0, running && total <= 0 ? 0 : 1000); // busy while the size is unknown
        if (followed->state() == Download::State::Finished)
            bar->setValue(1000);
        else
            bar->setValue(total > 0 ? static_cast<int>(followed->receivedBytes() * 1000 / total)
                                    : 0);
        bytes->setText(stateText(*followed));
        cancel->setEnabled(running);
    };
    QObject::connect(download, &Download::changed, row, update);
    QObject::connect(cancel, &QPushButton::clicked, row, [followed] {
        if (followed)
            followed->cancel();
    });
    QObject::connect(folder, &QPushButton::clicked, row, [followed, bytes] {
        if (followed && !followed->openFolder())
            bytes->setText(QObject::tr("No program here shows folders; the file is in %1")
                               .arg(followed->folder()));
    });
    update();
    return row;
}

} // namespace

DownloadsWindow::DownloadsWindow(QWidget* owner) : QWidget(owner, Qt::Window)
{
    setObjectName(QStringLiteral("downloadsWindow"));
    setWindowTitle(tr("Downloads"));
    resize(460, 300);
    auto* content = new QWidget;
    m_list = new QVBoxLayout(content);
    m_list->addStretch();
    auto* scroll = new QScrollArea(this);
    scroll->setWidgetResizable(true);
    scroll->setAccessibleName(tr("Downloads of this session"));
    scroll->setWidget(content);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(scroll);
}

void DownloadsWindow::add(Download* download)
{
    m_list->insertWidget(0, downloadRow(download, m_list->parentWidget()));
    m_downloads.append(download);
    bringUp();
}

int DownloadsWindow::runningCount() const
{
    return static_cast<int>(std::count_if(m_downloads.begin(), m_downloads.end(), [](auto& each) {
        return each && each->state() == Download::State::Running;
    }));
}

void DownloadsWindow::bringUp()
{
    show();
    raise();
    activateWindow();
}
