#pragma once

// The one application-wide instance of a window: loaded (hidden) on first reference,
// discarded when unloaded, so that the next reference loads a fresh one.

#include <QPointer>
#include <QWidget>

class App;

template <class Window> class GlobalWindow {
public:
    GlobalWindow() = default;
    GlobalWindow(const GlobalWindow&) = delete;
    GlobalWindow& operator=(const GlobalWindow&) = delete;
    ~GlobalWindow() { delete m_window.data(); }

    Window& get(App& app)
    {
        if (!m_window) {
            m_window = new Window(app);
            m_window->setAttribute(Qt::WA_DeleteOnClose);
        }
        return *m_window;
    }

    Window* loaded() const { return m_window.data(); }

    // Forgets the window when it is this one; it deletes itself once closed.
    bool release(const QWidget& window)
    {
        if (m_window.data() != &window)
            return false;
        m_window = nullptr;
        return true;
    }

private:
    QPointer<Window> m_window;
};
