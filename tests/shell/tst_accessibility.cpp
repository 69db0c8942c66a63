#include "browsing/downloads_window.h"
#include "browsing/fullscreen_toolbar.h"
#include "browsing/fullscreen_window.h"
#include "browsing/history_window.h"
#include "browsing/internet_options_dialog.h"
#include "organizer/organizer_window.h"
#include "support/frame_fixture.h"
#include "support/test_main.h"
#include "support/windows.h"
#include "tools/about_box.h"
#include "tools/system_info_window.h"

#include <QAccessible>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>

#include <functional>

namespace {

// What a user acts on, whether or not it takes the focus; other elements count when they take
// the focus, except windows.
const QSet<QAccessible::Role> kControlRoles{
    QAccessible::Button,         QAccessible::CheckBox, QAccessible::RadioButton,
    QAccessible::ComboBox,       QAccessible::MenuItem, QAccessible::ButtonMenu,
    QAccessible::ButtonDropDown, QAccessible::PageTab,  QAccessible::Link,
    QAccessible::EditableText,   QAccessible::List,     QAccessible::SpinBox};

struct Walk {
    int controls = 0;   // interactive elements seen
    QStringList faults; // those without a name or an action
};

bool named(QAccessibleInterface* node)
{
    return !node->text(QAccessible::Name).trimmed().isEmpty();
}

// On Linux, Qt names a combo box by its current text; what the box is for is the name of the
// editor inside it, which holds the focus.
bool comboBoxNamed(QAccessibleInterface* node)
{
    for (int i = 0; i < node->childCount(); ++i) {
        QAccessibleInterface* child = node->child(i);
        if (child && child->role() == QAccessible::EditableText && named(child))
            return true;
    }
    return named(node);
}

// What is wrong with an interactive element, if anything. A list's or a tree's actions are its
// items'.
QString fault(QAccessibleInterface* node)
{
    if (node->role() == QAccessible::ComboBox ? !comboBoxNamed(node) : !named(node))
        return QStringLiteral("no name");
    const QAccessibleActionInterface* actions = node->actionInterface();
    const bool acts = node->role() == QAccessible::List || node->role() == QAccessible::Tree ||
                      (actions && !actions->actionNames().isEmpty());
    return acts ? QString() : QStringLiteral("no action");
}

// Every interactive element below the node, the node included. The page inside a browser is
// the site's, named by the site, and not walked.
void walk(QAccessibleInterface* node, Walk& result)
{
    const QObject* object = node->object();
    if (object && object->objectName() == QLatin1String("browser"))
        return;
    const bool focusable = node->state().focusable && node->role() != QAccessible::Window;
    if (focusable || kControlRoles.contains(node->role())) {
        ++result.controls;
        if (const QString why = fault(node); !why.isEmpty())
            result.faults.append(
                QStringLiteral("role %1 %2 \"%3\": %4")
                    .arg(node->role())
                    .arg(QLatin1String(object ? object->metaObject()->className() : "item"),
                         object ? object->objectName() : node->text(QAccessible::Name), why));
    }
    for (int i = 0; i < node->childCount(); ++i)
        if (QAccessibleInterface* child = node->child(i))
            walk(child, result);
}

Walk walkWindow(QWidget* window)
{
    Walk result;
    walk(QAccessible::queryAccessibleInterface(window), result);
    for (QMenu* menu : window->findChildren<QMenu*>())
        walk(QAccessible::queryAccessibleInterface(menu), result);
    return result;
}

} // namespace

class TestAccessibility : public QObject {
    Q_OBJECT
private slots:
    // Each window, enabled, with everything it can show: every button, box, list and menu
    // command has a name that assistive technology reads, and an action it can take.
    void everyControlHasANameAndAnAction()
    {
        FrameFixture f;
        f.frame->openNewBrowser();
        f.frame->openQuickNote();
        FakeDownload download;
        f.frame->downloadsWindow->add(&download);
        InternetOptionsDialog options(*f.fakes.settings, *f.fakes.browsers, *f.fakes.browsingMemory,
                                      f.frame);
        const QList<std::pair<const char*, std::function<QWidget*()>>> windows{
            {"frame", [&f] { return f.frame; }},
            {"downloads", [&f] { return f.frame->downloadsWindow; }},
            {"history", [&f] { return f.frame->historyWindow; }},
            {"Internet options", [&options] { return &options; }},
            {"about", [&f] { return &f.app->aboutBox(); }},
            {"organizer", [&f] { return &f.app->organizerWindow(); }},
            {"system information", [&f] { return &f.app->systemInfoWindow(); }},
            {"full screen", [&f] { return &f.app->fullScreenWindow(); }},
            {"toolbar", [] { return loadedWindow<FullScreenToolbar>(); }}};
        for (const auto& [name, open] : windows) {
            QWidget* window = open();
            QVERIFY2(window, name);
            window->show();
            const Walk seen = walkWindow(window);
            QVERIFY2(seen.controls > 0, name);
            QVERIFY2(seen.faults.isEmpty(), qPrintable(QLatin1String(name) + QLatin1String(": ") +
                                                       seen.faults.join(QLatin1String("; "))));
            if (window != loadedWindow<FullScreenWindow>())
                window->close(); // the organizer and System Information disable the frame
        }
    }
};

BRIVOLA_TEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
