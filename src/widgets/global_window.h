#pragma once

// The one application-wide instance of a window: loaded (hidden) on first reference, discarded
// when unloaded, so that the next reference loads a fresh one. A window that closes itself is
// discarded too. The arguments of a reference are those the window loads with, when it does.

#include <QPointer>
#include <QWidget>

#include <functional>

template <class Window, class... LoadArguments> class GlobalWindow {
public:
    explicit GlobalWindow(std::function<Window*(LoadArguments...)> load) : m_load(std::move(load))
    {
    }
    GlobalWindow(const GlobalWindow&) = delete;
    GlobalWindow& operator=(const GlobalWindow&) = delete;
    ~GlobalWindow() { delete m_window.data(); }

    Window& get(LoadArguments... arguments)
    {
        if (!m_window) {
            m_window = m_load(arguments...);
            m_window->setAttribute(Qt::WA_DeleteOnClose);
        }
        return *m_window;
    }

    bool isLoaded() const { return !m_window.isNull(); }

    // Closes the window, running its unload handler, and forgets it at once.
    void unload()
    {
        if (m_window && m_window->close())
            m_window = nullptr;
    }

private:
    std::function<Window*(LoadArguments...)> m_load;
    QPointer<Window> m_window;
};
