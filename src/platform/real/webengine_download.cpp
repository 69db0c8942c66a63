#include "platform/real/webengine_download.h"

#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QUrl>
#include <QWebEngineDownloadRequest>

WebEngineDownload::WebEngineDownload(QWebEngineDownloadRequest& request, QObject* parent)
    : Download(parent), m_request(&request), m_fileName(request.downloadFileName()),
      m_folder(request.downloadDirectory())
{
    connect(&request, &QWebEngineDownloadRequest::receivedBytesChanged, this, &Download::changed);
    connect(&request, &QWebEngineDownloadRequest::totalBytesChanged, this, &Download::changed);
    connect(&request, &QWebEngineDownloadRequest::stateChanged, this, &WebEngineDownload::follow);
}

qint64 WebEngineDownload::receivedBytes() const
{
    return m_request ? m_request->receivedBytes() : 0;
}

qint64 WebEngineDownload::totalBytes() const
{
    return m_request ? m_request->totalBytes() : -1;
}

void WebEngineDownload::cancel()
{
    if (m_request && m_state == State::Running)
        m_request->cancel();
}

bool WebEngineDownload::openFolder()
{
    return QDesktopServices::openUrl(QUrl::fromLocalFile(m_folder));
}

void WebEngineDownload::follow()
{
    switch (m_request->state()) {
    case QWebEngineDownloadRequest::DownloadCompleted:
        m_state = State::Finished;
        break;
    case QWebEngineDownloadRequest::DownloadCancelled:
        m_state = State::Cancelled;
        removePartialFile();
        break;
    case QWebEngineDownloadRequest::DownloadInterrupted:
        m_state = State::Failed;
        m_failure = m_request->interruptReasonString();
        removePartialFile();
        break;
    default:
        return;
    }
    emit changed();
}

// The engine writes into a file of its own beside the chosen one and renames it when done; a
// download that ends otherwise leaves no file that could pass for the whole.
void WebEngineDownload::removePartialFile() const
{
    const QDir folder(m_folder);
    for (const QString& name : folder.entryList({m_fileName + QStringLiteral(".*download")}))
        QFile::remove(folder.filePath(name));
}
