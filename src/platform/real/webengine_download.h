#pragma once

// A download of the web engine, as the Downloads window follows it.

#include "platform/download.h"

#include <QPointer>

class QWebEngineDownloadRequest;

class WebEngineDownload : public Download {
    Q_OBJECT
public:
    // The request is accepted, with the file's place chosen.
    WebEngineDownload(QWebEngineDownloadRequest& request, QObject* parent);

    QString fileName() const override { return m_fileName; }
    QString folder() const override { return m_folder; }
    qint64 receivedBytes() const override;
    qint64 totalBytes() const override;
    State state() const override { return m_state; }
    QString failure() const override { return m_failure; }
    void cancel() override;
    bool openFolder() override;

private:
    void follow();
    void removePartialFile() const;

    QPointer<QWebEngineDownloadRequest> m_request;
    QString m_fileName;
    QString m_folder;
    State m_state = State::Running;
    QString m_failure;
};
