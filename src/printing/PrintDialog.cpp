// The print dialog: preview, front or back mode, copies, and the X/Y position of the backs.
#include "PrintDialog.h"

#include "BusyCursor.h"
#include "Fonts.h"
#include "Palettes.h"
#include "Pause.h"
#include "PrintFields.h"
#include "PrintJob.h"
#include "PrinterPageSink.h"
#include "ProgramTitles.h"
#include "Twips.h"

#include <QImageReader>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>

namespace {

// The outer size of 4305 x 4800 twips less a usual window border and title bar.
constexpr QSize kClientSize{twips::toPx(4305) - 6, twips::toPx(4800) - 32};
const QColor kInvalidField(255, 200, 200);

} // namespace

PrintDialog::PrintDialog(Context context, QWidget* parent)
    : GuardedDialog(parent), m_context(std::move(context)),
      m_designs(m_context.folder.designsFolder()) {
    setObjectName(QStringLiteral("Afdrukken"));
    setWindowTitle(tr(" Mosaretspel afdrukken"));
    setFont(Fonts::arial(8));
    setFixedSize(kClientSize);
    m_controls = PrintDialogControls::create(this);
    m_controls.preview.picture->setPixmap(QPixmap(QStringLiteral(":/pictures/card-outline.png")));
    applyDeckLayout();
    fillFields();
    showMode(1);
    connectControls();
    prepareKeyboard();
    if (const QScreen* screen = this->screen())
        move(screen->availableGeometry().center() - QPoint(width() / 2 + 3, height() / 2 + 16));
    if (m_designs.readable())
        m_controls.selector->setMaximum(m_designs.selectorMaximum());
    else if (m_context.prompts)
        m_context.prompts->inform(ProgramTitles::program(),
                                  tr("Kan de map (Kaarten) niet vinden!"));
}

void PrintDialog::applyDeckLayout() {
    const bool children = m_context.deckMode == DeckMode::Children;
    m_controls.preview.subjectMark->setText(children ? QString() : tr("Onderwerp"));
    m_controls.preview.subjectMark->adjustSize();
    m_controls.preview.numbers->setText(children ? QString() : QStringLiteral("1. 2. 3. 4."));
    m_controls.preview.photoMark->setGeometry(children ? twips::rectToPx(450, 510, 1530, 1350)
                                                       : twips::rectToPx(450, 750, 1530, 1110));
}

void PrintDialog::fillFields() {
    m_controls.copies->setText(QStringLiteral("1"));
    if (!m_context.settings)
        return;
    // Like typing: from here on BackX holds the field's text.
    m_controls.back.x->setText(m_context.settings->backX.display());
    m_context.settings->backX = SettingValue::text(m_controls.back.x->text());
    m_controls.back.y->setText(QString::number(m_context.settings->backY));
}

void PrintDialog::connectControls() {
    connect(m_controls.selector, &QScrollBar::valueChanged, this, &PrintDialog::setPosition);
    connect(m_controls.selector, &QScrollBar::sliderMoved, this, &PrintDialog::setPosition);
    connect(m_controls.back.x, &QLineEdit::textChanged, this, [this](const QString& text) {
        if (m_context.settings)
            m_context.settings->backX = SettingValue::text(text);
    });
    connect(m_controls.back.y, &QLineEdit::textChanged, this, &PrintDialog::storeBackY);
    connect(m_controls.print, &QPushButton::clicked, this, &PrintDialog::print);
    connect(m_controls.back.testSheet, &QPushButton::clicked, this, &PrintDialog::printTestSheet);
    connect(m_controls.exit, &QPushButton::clicked, this, &PrintDialog::accept);
}

void PrintDialog::prepareKeyboard() {
    const PrintDialogControls& c = m_controls;
    c.frame->setAccessibleName(tr("Afdrukken"));
    c.preview.picture->setAccessibleName(tr("Voorbeeld van de kaart"));
    c.selector->setAccessibleName(tr("Voorkant of rugzijde"));
    c.selector->setAccessibleDescription(
        tr("Bovenaan drukt de voorkanten af; elke stap lager een ontwerp voor de rugzijde"));
    c.selector->setFocusPolicy(Qt::StrongFocus);
    c.back.x->setAccessibleName(tr("X-positie van de rugzijde, in twips"));
    c.back.y->setAccessibleName(tr("Y-positie van de rugzijde, in twips"));
    c.back.testSheet->setAccessibleDescription(tr("Drukt een testvel af waarmee u X en Y vindt"));
    c.copies->setAccessibleName(c.copiesLabel->text());
    c.preview.photoMark->setAccessibleName(tr("Plaats van de foto"));
    // The focus starts in the number of copies; Enter prints (keyPressEvent). No button becomes
    // the default one, so the buttons look as they always did.
    for (QPushButton* button : {c.print, c.exit, c.back.testSheet})
        button->setAutoDefault(false);
    const QList<QWidget*> chain{c.selector, c.back.x, c.back.y, c.back.testSheet,
                                c.copies,   c.print,  c.exit};
    for (qsizetype i = 1; i < chain.size(); ++i)
        QWidget::setTabOrder(chain[i - 1], chain[i]);
    c.copies->setFocus();
}

void PrintDialog::keyPressEvent(QKeyEvent* event) {
    // Enter presses the button that has the focus, and prints from anywhere else.
    if (event->key() != Qt::Key_Return && event->key() != Qt::Key_Enter) {
        GuardedDialog::keyPressEvent(event);
        return;
    }
    auto* button = qobject_cast<QPushButton*>(focusWidget());
    if (!button)
        button = m_controls.print;
    if (button->isEnabled())
        button->click();
}

void PrintDialog::setPosition(int position) {
    // Dragging the thumb reports each position twice: as moved and as changed.
    if (position == m_position)
        return;
    m_position = position;
    showMode(position);
    showDesign(position);
    if (position >= 2 && m_context.designChosen)
        m_context.designChosen(position);
}

void PrintDialog::showMode(int position) {
    const bool fronts = position <= 1;
    using Widgets = std::initializer_list<QWidget*>;
    for (QWidget* back : Widgets{m_controls.back.title, m_controls.back.x, m_controls.back.y,
                                 m_controls.back.marks[0], m_controls.back.marks[1],
                                 m_controls.back.hint, m_controls.back.testSheet})
        back->setVisible(!fronts);
    for (QWidget* front : Widgets{m_controls.preview.photoMark, m_controls.preview.subjectMark,
                                  m_controls.preview.numbers})
        front->setVisible(fronts);
    for (QLabel* square : m_controls.preview.squares)
        square->setVisible(fronts && m_context.deckMode == DeckMode::Children);
    m_controls.modeCaption->setText(fronts ? tr("Afdrukken van de voorkant")
                                           : tr("Afdrukken van de rugzijde"));
}

void PrintDialog::showDesign(int position) {
    QImageReader reader(m_designs.picturePath(position));
    reader.setAutoTransform(true);
    // The preview is small; a large design is decoded at about the size it is shown.
    const QSize shown =
        m_controls.preview.picture->size() * m_controls.preview.picture->devicePixelRatioF();
    if (reader.size().isValid() && reader.size().width() > 2 * shown.width())
        reader.setScaledSize(shown * 2);
    const QImage design = reader.read();
    if (!design.isNull())
        m_controls.preview.picture->setPixmap(QPixmap::fromImage(design));
}

void PrintDialog::storeBackY(const QString& text) {
    const std::optional<qint32> value = PrintFields::backY(text);
    if (value && m_context.settings)
        m_context.settings->backY = *value;
    // Text that is no whole number keeps the last good value and shows in a warning colour.
    Palettes::set(m_controls.back.y, QPalette::Base,
                  value ? PrintDialogControls::kBackField : kInvalidField);
}

bool PrintDialog::print() {
    if (isWorking())
        return false;
    BusyCursor busy;
    const PrintRequest asked = request();
    const Result<PrintJob> job = PrintJob::prepare(asked);
    if (!job) {
        busy.release();
        report(job.error());
        return false;
    }
    lockControls(Lock::Printing);
    sweep();
    busy.release(); // the job holds its own until the page is handed over
    const bool printed = printJob(*job);
    lockControls(Lock::Idle);
    return printed;
}

bool PrintDialog::printTestSheet() {
    if (isWorking())
        return false;
    const Result<std::array<PrintJob, 2>> sides = PrintJob::prepareTestSheet(request());
    if (!sides) {
        report(sides.error());
        return false;
    }
    lockControls(Lock::Printing);
    bool printed = printJob(sides.value()[0]);
    printed = printed && m_context.prompts &&
              m_context.prompts->askOkCancel(
                  ProgramTitles::program(),
                  tr("Leg hetzelfde vel met de bedrukte kant naar beneden terug in de "
                     "printer en klik op OK.")) &&
              printJob(sides.value()[1]);
    lockControls(Lock::Idle);
    return printed;
}

bool PrintDialog::printJob(const PrintJob& job) {
    BusyCursor busy;
    const std::unique_ptr<PageSink> sink = makeSink(job.documentName());
    const Status printed = job.print(*sink);
    busy.release();
    if (!printed)
        report(printed.error());
    return printed.ok();
}

void PrintDialog::lockControls(Lock lock) {
    const bool printing = lock == Lock::Printing;
    setWorking(printing);
    m_controls.print->setEnabled(!printing);
    m_controls.exit->setEnabled(!printing);
    m_controls.selector->setEnabled(!printing);
    m_controls.back.testSheet->setEnabled(!printing);
}

void PrintDialog::sweep() {
    m_controls.sweepLine->show();
    for (int top = 240; top <= 3060; top += 30) {
        m_controls.placeSweepLine(top);
        pause(0.01);
    }
    m_controls.sweepLine->hide();
}

PrintRequest PrintDialog::request() const {
    PrintRequest asked;
    asked.copiesText = m_controls.copies->text();
    asked.position = m_controls.selector->value();
    asked.deckMode = m_context.deckMode;
    asked.fronts = m_context.fronts;
    if (m_context.settings) {
        asked.backX = m_context.settings->backX;
        asked.backY = PrintFields::backY(m_controls.back.y->text());
    }
    asked.designPath = m_designs.picturePath(asked.position);
    return asked;
}

std::unique_ptr<PageSink> PrintDialog::makeSink(const QString& documentName) const {
    if (m_context.makeSink)
        return m_context.makeSink();
    return std::make_unique<PrinterPageSink>(documentName);
}

void PrintDialog::report(const QString& message) const {
    if (m_context.prompts)
        m_context.prompts->warn(ProgramTitles::program(), message);
}
