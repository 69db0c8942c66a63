#pragma once

// One file the web engine saves for the user: its name and folder, how far it has come, and how
// it ended.

#include <QObject>
#include <QString>

class Download : public QObject {
    Q_OBJECT
public:
    enum class State { Running, Finished, Cancelled, Failed };

    using QObject::QObject;

    virtual QString fileName() const = 0;
    virtual QString folder() const = 0;
    virtual qint64 receivedBytes() const = 0;
    virtual qint64 totalBytes() const = 0; // -1 while the size is unknown
    virtual State state() const = 0;
    // Why a failed download failed, in words.
    virtual QString failure() const = 0;
    // Stops a running download; nothing of the file is left behind.
    virtual void cancel() = 0;
    // Shows the folder in the desktop's file manager; false when the desktop has none.
    virtual bool openFolder() = 0;

signals:
    // The bytes or the state changed.
    void changed();
};
