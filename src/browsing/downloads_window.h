#pragma once

// The Downloads window: every file saved in this session, each with its name, a progress bar,
// the bytes done and the total, and Cancel and Open folder. It stays usable while downloads
// run, and shows itself when a new one starts.

#include <QList>
#include <QPointer>
#include <QWidget>

class Download;
class QVBoxLayout;

class DownloadsWindow : public QWidget {
    Q_OBJECT
public:
    explicit DownloadsWindow(QWidget* owner);

    // Lists the download, newest at the top, and shows the window.
    void add(Download* download);
    // Shows the window in front of the others.
    void bringUp();
    // The downloads still running.
    int runningCount() const;

private:
    QVBoxLayout* m_list;
    QList<QPointer<Download>> m_downloads;
};
