// The middle column of the card sheet: card numbers, the two deck buttons and their captions.
#include "DeckSwitcher.h"

#include "BuiltInPictures.h"
#include "DeckButton.h"
#include "Fonts.h"
#include "Palettes.h"
#include "Twips.h"

#include <QLabel>
#include <QPushButton>

DeckSwitcher::DeckSwitcher(QWidget* frame) : QObject(frame) {
    const QFont numbers = Fonts::arial(15.75, Fonts::Weight::Bold);
    for (const auto& [name, text, top] :
         {std::tuple{"Label1", "1     2", 1800}, std::tuple{"Label2", "3     4", 4950}}) {
        QLabel* label = makeLabel(frame, QLatin1String(name), QLatin1String(text));
        label->setFont(numbers);
        label->move(twips::toPx(2490), twips::toPx(top));
        label->adjustSize();
    }

    m_normalCaption = makeLabel(frame, QStringLiteral("Label6"), tr("Normaal"));
    m_normalCaption->move(twips::toPx(2610), twips::toPx(2820));
    m_normalCaption->adjustSize();

    auto* box = new QLabel(frame);
    box->setObjectName(QStringLiteral("Label5"));
    box->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    box->setGeometry(twips::rectToPx(2610, 3060, 600, 1140));

    m_normal =
        makeButton(frame, QStringLiteral("NormaalKnop"), QStringLiteral("deck-normaal"), 3090);
    m_children =
        makeButton(frame, QStringLiteral("KinderKnop"), QStringLiteral("deck-kinder"), 3630);
    connect(m_normal, &QPushButton::clicked, this, [this] { emit chosen(DeckMode::Normal); });
    connect(m_children, &QPushButton::clicked, this, [this] { emit chosen(DeckMode::Children); });

    m_childrenCaption = makeLabel(frame, QStringLiteral("Label7"), tr("Kinder mosaret"));
    m_childrenCaption->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    m_childrenCaption->setWordWrap(true);
    m_childrenCaption->setGeometry(twips::rectToPx(2610, 4230, 630, 390));

    showMode(DeckMode::Normal);
}

void DeckSwitcher::showMode(DeckMode mode) {
    m_normalCaption->setEnabled(mode == DeckMode::Normal);
    m_childrenCaption->setEnabled(mode == DeckMode::Children);
    m_normal->setChosen(mode == DeckMode::Normal);
    m_children->setChosen(mode == DeckMode::Children);
}

QLabel* DeckSwitcher::makeLabel(QWidget* frame, const QString& objectName, const QString& text) {
    auto* label = new QLabel(text, frame);
    label->setObjectName(objectName);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // Only while enabled: the caption of the deck not shown is greyed.
    Palettes::set(label, QPalette::WindowText, Palettes::kCaptionGrey,
                  Palettes::States::EnabledOnly);
    return label;
}

DeckButton* DeckSwitcher::makeButton(QWidget* frame, const QString& objectName,
                                     const QString& picture, int top) {
    auto* button = new DeckButton(frame);
    button->setObjectName(objectName);
    button->setIcon(BuiltInPictures::icon(picture, button->devicePixelRatioF()));
    button->setIconSize(QSize(32, 32));
    Palettes::set(button, QPalette::Button, Qt::white);
    button->setGeometry(twips::rectToPx(2640, top, 540, 540));
    return button;
}
