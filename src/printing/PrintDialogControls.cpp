// The print dialog's controls, created at their places inside the dialog's frame.
#include "PrintDialogControls.h"

#include "Fonts.h"
#include "Palettes.h"
#include "Twips.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>

namespace {

constexpr QColor kDarkGrey = Palettes::kCaptionGrey;

template <typename W>
W* place(W* widget, const char* name, int left, int top, int width, int height) {
    widget->setObjectName(QLatin1String(name));
    widget->setGeometry(twips::rectToPx(left, top, width, height));
    return widget;
}

// A transparent label; with a width it wraps inside its box, without one it sizes to its text.
QLabel* label(QWidget* parent, const char* name, const QString& text, const QColor& colour,
              int left, int top, int width = 0, int height = 0) {
    auto* result = new QLabel(text, parent);
    Palettes::set(result, QPalette::WindowText, colour);
    if (width > 0) {
        place(result, name, left, top, width, height);
        result->setWordWrap(true);
        result->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    } else {
        place(result, name, left, top, 0, 0);
        result->adjustSize();
    }
    return result;
}

// A label used as a panel or a frame: a thin black border, filled only when given a colour.
QLabel* bordered(QWidget* parent, const char* name, int left, int top, int width, int height,
                 const QColor& fill = QColor()) {
    auto* result = place(new QLabel(parent), name, left, top, width, height);
    result->setFrameStyle(QFrame::Box | QFrame::Plain);
    Palettes::set(result, QPalette::WindowText, Qt::black);
    if (fill.isValid()) {
        Palettes::set(result, QPalette::Window, fill);
        result->setAutoFillBackground(true);
    }
    return result;
}

QLineEdit* field(QWidget* parent, const char* name, int left, int top, int width, int height,
                 const QColor& background) {
    auto* result = place(new QLineEdit(parent), name, left, top, width, height);
    Palettes::set(result, QPalette::Base, background);
    result->setTextMargins(0, 0, 0, 0);
    return result;
}

void createPreview(PrintDialogControls& c, QWidget* frame) {
    c.panel = bordered(frame, "Label1", 150, 240, 2100, 2865, QColor(250, 250, 250));
    c.preview = place(new QLabel(frame), "Picture2", 240, 330, 1935, 2700);
    c.preview->setScaledContents(true);
    c.subjectMark = label(frame, "Label11", QString(), kDarkGrey, 720, 450);
    c.subjectMark->setFont(Fonts::arial(9, Fonts::Weight::Bold));
    c.photoMark = place(new QFrame(frame), "Tumble", 450, 750, 1530, 1110);
    Palettes::set(c.photoMark, QPalette::Window, QColor(224, 224, 224));
    c.photoMark->setAutoFillBackground(true);
    c.numbers = label(frame, "Label12", QString(), QColor(0, 0, 128), 600, 1950, 150, 900);
    c.numbers->setFont(Fonts::arial(9, Fonts::Weight::Bold));
    const QPixmap square(QStringLiteral(":/pictures/klein.png"));
    for (int k = 0; k < 4; ++k) {
        const int left = k < 3 ? 450 + 525 * k : 975;
        const int top = k < 3 ? 1950 : 2460;
        const QByteArray name = "Klein_" + QByteArray::number(k + 1);
        c.squares[k] = place(new QLabel(frame), name.constData(), left, top, 465, 465);
        c.squares[k]->setPixmap(square);
        c.squares[k]->setScaledContents(true);
        c.squares[k]->hide();
    }
}

void createBackControls(PrintDialogControls& c, QWidget* frame) {
    const QColor darkGreen(0, 64, 0);
    c.backTitle = label(frame, "Label7", QStringLiteral("Coördinaten van rugzijde"), kDarkGrey,
                        2910, 240, 1110, 420);
    c.backX = field(frame, "Text2", 3000, 750, 600, 285, PrintDialogControls::kBackField);
    c.xMark = label(frame, "Label8", QStringLiteral("X"), darkGreen, 3720, 780);
    c.xMark->setFont(Fonts::arial(9.75, Fonts::Weight::Bold));
    c.xMark->adjustSize();
    c.backY = field(frame, "Text3", 3000, 1140, 600, 285, PrintDialogControls::kBackField);
    c.yMark = label(frame, "Label9", QStringLiteral("Y"), darkGreen, 3720, 1170);
    c.yMark->setFont(Fonts::arial(9.75, Fonts::Weight::Bold));
    c.yMark->adjustSize();
    c.backHint =
        label(frame, "Label10",
              QStringLiteral("Allen wijzigen indien rugzijde niet precies in het midden op de "
                             "achterzijde van de kaart komt te liggen, zie helpfunctie."),
              QColor(192, 64, 0), 2910, 1590, 1110, 1800);
}

} // namespace

PrintDialogControls PrintDialogControls::create(QWidget* dialog) {
    PrintDialogControls c;
    c.frame = place(new QFrame(dialog), "Frame1", 60, -30, 4105, 4410);
    c.frame->setFrameStyle(QFrame::Box | QFrame::Sunken);
    QWidget* frame = c.frame;
    createPreview(c, frame);
    c.selectorBorder = bordered(frame, "Label2", 2400, 240, 330, 2880);
    c.selector = place(new QScrollBar(Qt::Vertical, frame), "VScroll1", 2430, 270, 270, 2820);
    c.selector->setRange(1, 1);
    c.selector->setSingleStep(1);
    c.selector->setPageStep(1);
    createBackControls(c, frame);
    c.modeCaption = label(frame, "Label4", QString(), kDarkGrey, 150, 3180, 2235, 780);
    c.copies = field(frame, "Text1", 300, 3720, 450, 300, QColor(230, 220, 210));
    c.copiesLabel =
        label(frame, "Label5", QStringLiteral("Aantal afdrukken"), kDarkGrey, 840, 3765);
    c.buttonBorder = bordered(frame, "Label3", 2580, 3930, 1380, 360);
    c.print =
        place(new QPushButton(QStringLiteral("Print"), frame), "OkKnop", 2610, 3960, 690, 300);
    c.exit =
        place(new QPushButton(QStringLiteral("Exit"), frame), "ExitKnop", 3300, 3960, 630, 300);
    c.sweepLine = new QFrame(frame);
    c.sweepLine->setObjectName(QStringLiteral("Line1"));
    c.sweepLine->setFrameStyle(QFrame::HLine | QFrame::Plain);
    c.sweepLine->setLineWidth(1);
    Palettes::set(c.sweepLine, QPalette::WindowText, Qt::black);
    c.sweepLine->hide();
    return c;
}

void PrintDialogControls::placeSweepLine(int top) const {
    const int left = twips::toPx(225);
    sweepLine->setGeometry(left, twips::toPx(top), twips::toPx(2205) - left, 1);
    sweepLine->raise();
}
