#include "tools/about_box.h"

#include "core/shared_texts.h"
#include "core/twips.h"
#include "widgets/fonts.h"
#include "widgets/icons.h"
#include "widgets/line_shape.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

// Upper case and wrapped by hand, in the box's own short lines.
QString AboutBox::disclaimer()
{
    //: Upper case, wrapped by hand in lines of at most 38 characters.
    return tr("DISCLAIMER OF WARRANTY: BRIVOLA 2.0\n"
              "\n"
              "THE SOFTWARE AND ITS MANUAL ARE\n"
              "PROVIDED AS IS. NO WARRANTY IS GIVEN,\n"
              "EXPRESS OR IMPLIED, AS TO THEIR\n"
              "PERFORMANCE, THEIR MERCHANTABILITY OR\n"
              "ANY OTHER QUALITY, AND NO PROMISE IS\n"
              "MADE THAT THE SOFTWARE WILL RUN\n"
              "WITHOUT INTERRUPTION OR ERROR. NOTHING\n"
              "SAID BY A SALESPERSON OR BY ANY OTHER\n"
              "PERSON ABOUT THE SOFTWARE IS A\n"
              "WARRANTY, AND NO SUCH STATEMENT BINDS\n"
              "THE AUTHOR.\n"
              "\n"
              "BECAUSE THE SOFTWARE RUNS ON MANY\n"
              "KINDS OF COMPUTERS AND ALONGSIDE MANY\n"
              "OTHER PROGRAMS, NO WARRANTY OF FITNESS\n"
              "FOR ANY PARTICULAR PURPOSE IS OFFERED.\n"
              "TRY THE PROGRAM THOROUGHLY WITH DATA\n"
              "THAT DOES NOT MATTER, AND KEEP COPIES\n"
              "OF YOUR WORK, BEFORE YOU RELY ON IT:\n"
              "YOU ALONE BEAR THE WHOLE RISK OF USING\n"
              "IT. SHOULD THE SOFTWARE FAIL, ANY\n"
              "LIABILITY OF THE AUTHOR IS LIMITED TO\n"
              "REPLACING THE PRODUCT OR TO REFUNDING\n"
              "THE PRICE YOU PAID FOR IT.")
        .replace(QLatin1Char('\n'), Texts::kLineEnd);
}

namespace {

constexpr int kWidth = 4845;
constexpr int kSeparatorTop = 4080;

QLabel* label(const QString& text, const QRect& geometry, QWidget* parent)
{
    auto* result = new QLabel(text, parent);
    result->setGeometry(geometry);
    return result;
}

} // namespace

AboutBox::AboutBox()
    : QDialog(nullptr, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowCloseButtonHint),
      iconLabel(new QLabel(this)),
      titleLabel(label(QStringLiteral("Brivola"), Twips::rect(840, 240, 3885, 480), this)),
      versionLabel(label(tr("Version 2.0"), Twips::rect(840, 840, 3885, 345), this)),
      descriptionLabel(label(tr("Web Browser supporting Multi-Document and Full-Screen Browsing"),
                             Twips::rect(120, 1560, 4605, 450), this)),
      disclaimerText(new QPlainTextEdit(this)),
      // The white line shows just below the grey one, so the pair looks cut into the window.
      separator{
          new LineShape({0, kSeparatorTop + 15}, {kWidth, kSeparatorTop + 15}, 30, Qt::white, this),
          new LineShape({0, kSeparatorTop}, {kWidth, kSeparatorTop}, 15, QColor(128, 128, 128),
                        this)},
      okButton(new QPushButton(tr("OK"), this))
{
    setObjectName(QStringLiteral("AboutBox"));
    iconLabel->setObjectName(QStringLiteral("iconLabel"));
    titleLabel->setObjectName(QStringLiteral("titleLabel"));
    versionLabel->setObjectName(QStringLiteral("versionLabel"));
    descriptionLabel->setObjectName(QStringLiteral("descriptionLabel"));
    disclaimerText->setObjectName(QStringLiteral("disclaimerText"));
    okButton->setObjectName(QStringLiteral("okButton"));
    for (int index = 0; index < 2; ++index) {
        separator[index]->setObjectName(QStringLiteral("separator"));
        separator[index]->setProperty("Index", index);
    }

    setWindowTitle(tr("About Brivola 2.0"));
    setModal(true);
    setFixedSize(Twips::toPixels(QSize(kWidth, 4650)));

    iconLabel->setGeometry(Twips::rect(240, 240, 480, 480));
    iconLabel->setPixmap(programIcon().pixmap(iconLabel->size()));
    titleLabel->setFont(msSansSerif(13.5, true));
    versionLabel->setFont(msSansSerif(12, true));
    descriptionLabel->setWordWrap(true);

    disclaimerText->setGeometry(Twips::rect(0, 2040, kWidth - 30, 1695));
    disclaimerText->setFont(arial(8.25));
    disclaimerText->setReadOnly(true);
    disclaimerText->setAccessibleName(tr("Disclaimer of warranty"));
    disclaimerText->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    disclaimerText->setPlainText(disclaimer());
    disclaimerText->setFocusPolicy(Qt::ClickFocus);

    okButton->setGeometry(Twips::rect(3360, 4200, 1260, 345));
    okButton->setDefault(true);
    okButton->setFocus();
    connect(okButton, &QPushButton::clicked, this, &AboutBox::close);
}

void AboutBox::keyPressEvent(QKeyEvent* event)
{
    // Esc answers like "OK", the box's cancel button.
    if (event->key() == Qt::Key_Escape) {
        okButton->click();
        return;
    }
    QDialog::keyPressEvent(event);
}
