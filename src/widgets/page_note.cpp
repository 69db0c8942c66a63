#include "widgets/page_note.h"

#include <QTimer>

#include <algorithm>

PageNote::PageNote(QWidget* parent) : QLabel(parent), hideTimer(new QTimer(this))
{
    setObjectName(QStringLiteral("pageNote"));
    setFrameShape(QFrame::Box);
    setMargin(2);
    setAutoFillBackground(true);
    setForegroundRole(QPalette::ToolTipText);
    setBackgroundRole(QPalette::ToolTipBase);
    setTextFormat(Qt::PlainText);
    // The page under it keeps the pointer: the link stays hovered.
    setAttribute(Qt::WA_TransparentForMouseEvents);
    hideTimer->setSingleShot(true);
    connect(hideTimer, &QTimer::timeout, this, &QWidget::hide);
    hide();
}

void PageNote::showText(const QString& text)
{
    hideTimer->stop();
    m_text = text;
    if (text.isEmpty()) {
        hide();
        return;
    }
    fit();
    show();
    raise();
}

void PageNote::showForAWhile(const QString& text)
{
    showText(text);
    hideTimer->start(kShortWhileMs);
}

void PageNote::placeOver(const QRect& page)
{
    m_page = page;
    fit();
}

// At most half the page wide, a long address losing its middle; on the part of the page that
// the window shows.
void PageNote::fit()
{
    const QRect page = m_page.intersected(parentWidget()->rect());
    const int frame = 2 * (margin() + frameWidth());
    const int room = std::max(0, page.width() / 2 - frame);
    setText(fontMetrics().elidedText(m_text, Qt::ElideMiddle, room));
    const QSize size(std::min(sizeHint().width(), room + frame), sizeHint().height());
    setGeometry(QRect(QPoint(page.left(), page.bottom() - size.height() + 1), size));
}
