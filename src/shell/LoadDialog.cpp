// The load dialog: lists the saved series, and loads the one the user picks.
#include "LoadDialog.h"

#include "Fonts.h"
#include "LoadSeries.h"
#include "Palettes.h"
#include "Twips.h"
#include "UserPrompts.h"

#include <QFrame>
#include <QLabel>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>

namespace {
const QSize kClientSize{234, 328}; // the 3600 x 5400-twip window less its border and title bar
} // namespace

LoadDialog::LoadDialog(const SeriesFolder& folder, StartLoad load, UserPrompts& prompts,
                       QWidget* parent)
    : GuardedDialog(parent), m_load(std::move(load)), m_prompts(prompts) {
    setObjectName(QStringLiteral("Loadform"));
    setWindowTitle(tr(" Puzzel laden"));
    setModal(true);
    setFont(Fonts::arial(8.25));
    setFixedSize(kClientSize);
    buildControls();
    fillList(folder);
    // Not moved here: a dialog with a parent opens centred on it.
}

void LoadDialog::buildControls() {
    auto* frame = new QFrame(this);
    frame->setObjectName(QStringLiteral("Frame1"));
    frame->setFrameStyle(QFrame::Box | QFrame::Sunken);
    frame->setGeometry(twips::rectToPx(75, -15, 3360, 4965));

    m_list = new QListWidget(frame);
    m_list->setObjectName(QStringLiteral("File1"));
    m_list->setGeometry(twips::rectToPx(120, 210, 3105, 4170));
    Palettes::set(m_list, QPalette::Base, QColor(190, 200, 210));
    m_list->setFont(Fonts::arial(9.75));

    // A black band behind the two buttons.
    auto* band = new QLabel(frame);
    band->setObjectName(QStringLiteral("Label1"));
    band->setGeometry(twips::rectToPx(1800, 4500, 1440, 360));
    band->setAutoFillBackground(true);
    Palettes::set(band, QPalette::Window, Qt::black);

    auto* cancel = new QPushButton(tr("Cancel"), frame);
    cancel->setObjectName(QStringLiteral("CancelKnop"));
    cancel->setGeometry(twips::rectToPx(1830, 4530, 810, 300));
    auto* ok = new QPushButton(tr("Ok"), frame);
    ok->setObjectName(QStringLiteral("OkKnop"));
    ok->setGeometry(twips::rectToPx(2640, 4530, 570, 300));
    ok->setDefault(true);

    m_nameLabel = new QLabel(tr("Naam mosaret"), frame);
    m_nameLabel->setObjectName(QStringLiteral("Label2"));
    // Reaches to the black band so that a series name is not cut off after a few letters.
    m_nameLabel->setGeometry(twips::rectToPx(150, 4560, 1620, 195));
    Palettes::set(m_nameLabel, QPalette::WindowText, Palettes::kCaptionGrey);

    frame->setAccessibleName(tr("Serie kiezen"));
    m_list->setAccessibleName(tr("Bewaarde series"));
    m_list->setAccessibleDescription(
        tr("Kies een serie met de pijltjestoetsen en druk op Enter om haar te laden"));
    m_list->setFocus();

    connect(m_list, &QListWidget::itemSelectionChanged, this, &LoadDialog::selectionChanged);
    connect(m_list, &QListWidget::itemDoubleClicked, this, &LoadDialog::loadSelected);
    // Enter on the list's current series chooses it; the Ok button, which Enter also presses,
    // then loads it.
    connect(m_list, &QListWidget::itemActivated, this, [this](QListWidgetItem* item) {
        m_list->setCurrentItem(item, QItemSelectionModel::ClearAndSelect);
    });
    connect(cancel, &QPushButton::clicked, this, &LoadDialog::reject);
    connect(ok, &QPushButton::clicked, this, &LoadDialog::loadSelected);
}

void LoadDialog::fillList(const SeriesFolder& folder) {
    m_list->addItems(folder.list());
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
}

void LoadDialog::selectionChanged() {
    const QList<QListWidgetItem*> selected = m_list->selectedItems();
    m_selectedFile = selected.isEmpty() ? QString() : selected.first()->text();
    m_nameLabel->setText(m_selectedFile.isEmpty() ? tr("Naam mosaret")
                                                  : m_selectedFile.left(m_selectedFile.size() - 4));
}

void LoadDialog::loadSelected() {
    if (isWorking())
        return;
    if (m_selectedFile.isEmpty()) {
        m_prompts.inform(QString(), tr("Géén bestand geselecteerd!"));
        return;
    }
    setWorking(true);
    setEnabled(false);
    m_load(m_selectedFile, [dialog = QPointer<LoadDialog>(this)](const Status& loaded) {
        if (dialog)
            dialog->finishLoad(loaded);
    });
}

void LoadDialog::finishLoad(const Status& loaded) {
    setEnabled(true);
    setWorking(false);
    if (!loaded.ok()) {
        LoadSeries::reportFailure(m_prompts, m_selectedFile, loaded);
        reject();
        return;
    }
    accept();
}
