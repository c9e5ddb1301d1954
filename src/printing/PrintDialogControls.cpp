// The print dialog's controls, created at their places inside the dialog's frame.
#include "PrintDialogControls.h"

#include "Fonts.h"
#include "Palettes.h"
#include "Twips.h"

#include <QCoreApplication>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>

namespace {

constexpr QColor kDarkGrey = Palettes::kCaptionGrey;

// The controls' texts belong with the dialog's own.
QString text(const char* dutch) {
    return QCoreApplication::translate("PrintDialog", dutch);
}

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

void createPreview(PrintDialogControls::Preview& p, QWidget* frame) {
    p.panel = bordered(frame, "Label1", 150, 240, 2100, 2865, QColor(250, 250, 250));
    p.picture = place(new QLabel(frame), "Picture2", 240, 330, 1935, 2700);
    p.picture->setScaledContents(true);
    p.subjectMark = label(frame, "Label11", QString(), kDarkGrey, 720, 450);
    p.subjectMark->setFont(Fonts::arial(9, Fonts::Weight::Bold));
    p.photoMark = place(new QFrame(frame), "Tumble", 450, 750, 1530, 1110);
    Palettes::set(p.photoMark, QPalette::Window, QColor(224, 224, 224));
    p.photoMark->setAutoFillBackground(true);
    p.numbers = label(frame, "Label12", QString(), QColor(0, 0, 128), 600, 1950, 150, 900);
    p.numbers->setFont(Fonts::arial(9, Fonts::Weight::Bold));
    const QPixmap square(QStringLiteral(":/pictures/klein.png"));
    for (int k = 0; k < 4; ++k) {
        const int left = k < 3 ? 450 + 525 * k : 975;
        const int top = k < 3 ? 1950 : 2460;
        const QByteArray name = "Klein_" + QByteArray::number(k + 1);
        p.squares[k] = place(new QLabel(frame), name.constData(), left, top, 465, 465);
        p.squares[k]->setPixmap(square);
        p.squares[k]->setScaledContents(true);
        p.squares[k]->hide();
    }
}

void createBackFields(PrintDialogControls::BackFields& b, QWidget* frame) {
    b.title =
        label(frame, "Label7", text(QT_TRANSLATE_NOOP("PrintDialog", "Coördinaten van rugzijde")),
              kDarkGrey, 2910, 240, 1110, 420);
    b.x = field(frame, "Text2", 3000, 750, 600, 285, PrintDialogControls::kBackField);
    b.y = field(frame, "Text3", 3000, 1140, 600, 285, PrintDialogControls::kBackField);
    const char* const markNames[] = {"Label8", "Label9"};
    for (int k = 0; k < 2; ++k) {
        b.marks[k] = label(frame, markNames[k], k == 0 ? QStringLiteral("X") : QStringLiteral("Y"),
                           QColor(0, 64, 0), 3720, 780 + 390 * k);
        b.marks[k]->setFont(Fonts::arial(9.75, Fonts::Weight::Bold));
        b.marks[k]->adjustSize();
    }
    b.hint = label(frame, "Label10",
                   text(QT_TRANSLATE_NOOP("PrintDialog",
                                          "Allen wijzigen indien rugzijde niet precies in het "
                                          "midden op de achterzijde van de kaart komt te liggen, "
                                          "zie helpfunctie.")),
                   QColor(192, 64, 0), 2910, 1590, 1110, 1800);
    // In the free space below the warning, clear of every other control.
    b.testSheet = place(new QPushButton(text(QT_TRANSLATE_NOOP("PrintDialog", "Testvel")), frame),
                        "TestvelKnop", 2910, 3450, 1110, 300);
}

} // namespace

PrintDialogControls PrintDialogControls::create(QWidget* dialog) {
    PrintDialogControls c;
    c.frame = place(new QFrame(dialog), "Frame1", 60, -30, 4105, 4410);
    c.frame->setFrameStyle(QFrame::Box | QFrame::Sunken);
    QWidget* frame = c.frame;
    createPreview(c.preview, frame);
    c.selectorBorder = bordered(frame, "Label2", 2400, 240, 330, 2880);
    c.selector = place(new QScrollBar(Qt::Vertical, frame), "VScroll1", 2430, 270, 270, 2820);
    c.selector->setRange(1, 1);
    c.selector->setSingleStep(1);
    c.selector->setPageStep(1);
    createBackFields(c.back, frame);
    c.modeCaption = label(frame, "Label4", QString(), kDarkGrey, 150, 3180, 2235, 780);
    c.copies = field(frame, "Text1", 300, 3720, 450, 300, QColor(230, 220, 210));
    c.copiesLabel =
        label(frame, "Label5", text(QT_TRANSLATE_NOOP("PrintDialog", "Aantal afdrukken")),
              kDarkGrey, 840, 3765);
    c.buttonBorder = bordered(frame, "Label3", 2580, 3930, 1380, 360);
    c.print = place(new QPushButton(text(QT_TRANSLATE_NOOP("PrintDialog", "Print")), frame),
                    "OkKnop", 2610, 3960, 690, 300);
    c.exit = place(new QPushButton(text(QT_TRANSLATE_NOOP("PrintDialog", "Exit")), frame),
                   "ExitKnop", 3300, 3960, 630, 300);
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
