// The dialog "Spel samenstellen": every series of the game with what it still lacks, to choose
// which go into the game's PDF or to open one in the window.
#include "GameDialog.h"

#include "GameSurvey.h"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {
enum Column { Subject, File, Photos, Problems };
constexpr int kGap = 2;

// Four empty photo places side by side.
QPixmap emptyPhotos() {
    const QSize size = GameDialog::kThumbnail;
    QPixmap photos(4 * (size.width() + kGap), size.height());
    photos.fill(Qt::transparent);
    QPainter painter(&photos);
    for (int card = 0; card < 4; ++card)
        painter.fillRect(QRect(QPoint(card * (size.width() + kGap), 0), size),
                         QColor(225, 225, 225));
    return photos;
}
} // namespace

GameDialog::GameDialog(const QStringList& paths, QWidget* parent)
    : QDialog(parent), m_paths(paths) {
    buildControls();
    m_survey = new GameSurvey(paths, kThumbnail, this);
    connect(m_survey, &GameSurvey::checked, this, &GameDialog::showFinding);
    connect(m_survey, &GameSurvey::allChecked, this,
            [this](const QList<GameCheck::Finding>& findings) {
                for (int row = 0; row < findings.size(); ++row)
                    showFinding(row, findings[row]);
            });
    connect(m_survey, &GameSurvey::photoRead, this, &GameDialog::showPhoto);
}

GameDialog::~GameDialog() = default;

void GameDialog::buildControls() {
    setWindowTitle(tr("Spel samenstellen"));
    m_list = new QTreeWidget(this);
    m_list->setObjectName(QStringLiteral("SpelLijst"));
    m_list->setHeaderLabels({tr("Onderwerp"), tr("Bestand"), tr("Foto's"), tr("Nog te doen")});
    m_list->setAccessibleName(tr("Series van het spel"));
    m_list->setAccessibleDescription(
        tr("Spatie kiest of een serie in het spel komt; een dubbelklik opent haar"));
    m_list->setRootIsDecorated(false);
    m_list->setUniformRowHeights(true);
    m_list->setIconSize(emptyPhotos().size());
    // Columns of fixed widths, so a long subject or file name cannot push the others away.
    m_list->setColumnWidth(Subject, 160);
    m_list->setColumnWidth(File, 130);
    m_list->setColumnWidth(Photos, emptyPhotos().width() + 12);
    const QPixmap empty = emptyPhotos();
    for (const QString& path : std::as_const(m_paths)) {
        auto* item = new QTreeWidgetItem(m_list);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
        item->setCheckState(Subject, Qt::Checked);
        item->setText(File, QFileInfo(path).fileName());
        item->setIcon(Photos, QIcon(empty));
    }
    if (m_list->topLevelItemCount() > 0)
        m_list->setCurrentItem(m_list->topLevelItem(0));
    connect(m_list, &QTreeWidget::itemChanged, this, &GameDialog::count);
    connect(m_list, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem* item) {
        m_opened = m_paths.value(m_list->indexOfTopLevelItem(item));
        reject();
    });

    m_count = new QLabel(this);
    m_count->setObjectName(QStringLiteral("Telling"));
    auto* all = new QPushButton(tr("Alles"), this);
    auto* none = new QPushButton(tr("Niets"), this);
    m_make = new QPushButton(tr("PDF maken"), this);
    auto* cancel = new QPushButton(tr("Annuleren"), this);
    all->setObjectName(QStringLiteral("Alles"));
    none->setObjectName(QStringLiteral("Niets"));
    m_make->setObjectName(QStringLiteral("PdfMaken"));
    cancel->setObjectName(QStringLiteral("Annuleren"));
    for (QPushButton* button : {all, none})
        button->setAutoDefault(false);
    m_make->setDefault(true);
    connect(all, &QPushButton::clicked, this, [this] { checkAll(true); });
    connect(none, &QPushButton::clicked, this, [this] { checkAll(false); });
    connect(m_make, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(all);
    buttons->addWidget(none);
    buttons->addStretch();
    buttons->addWidget(m_make);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_list);
    layout->addWidget(m_count);
    layout->addLayout(buttons);
    resize(720, 420);
    m_list->setFocus();
    count();
}

void GameDialog::showFinding(int row, const GameCheck::Finding& finding) {
    QTreeWidgetItem* item = m_list->topLevelItem(row);
    if (!item)
        return;
    const QSignalBlocker quiet(m_list);
    item->setText(Subject, finding.readable ? finding.series.subject : QString());
    item->setText(Problems, finding.problems.join(QStringLiteral(", ")));
    item->setToolTip(Problems, finding.problems.join(u'\n'));
    if (!finding.readable) {
        item->setCheckState(Subject, Qt::Unchecked);
        item->setFlags(item->flags() & ~Qt::ItemIsUserCheckable);
    }
    count();
}

void GameDialog::showPhoto(int row, int card, const QImage& photo) {
    QTreeWidgetItem* item = m_list->topLevelItem(row);
    if (!item || photo.isNull())
        return;
    QPixmap photos = item->icon(Photos).pixmap(m_list->iconSize());
    QPainter painter(&photos);
    const QRect place(QPoint((card - 1) * (kThumbnail.width() + kGap), 0), kThumbnail);
    // The middle of the photo, cut to its place.
    const QSize shown = kThumbnail.scaled(photo.size(), Qt::KeepAspectRatio);
    painter.drawImage(
        place, photo,
        QRect(QPoint((photo.width() - shown.width()) / 2, (photo.height() - shown.height()) / 2),
              shown));
    painter.end();
    const QSignalBlocker quiet(m_list);
    item->setIcon(Photos, QIcon(photos));
}

void GameDialog::checkAll(bool checked) {
    const QSignalBlocker quiet(m_list);
    for (int row = 0; row < m_list->topLevelItemCount(); ++row) {
        QTreeWidgetItem* item = m_list->topLevelItem(row);
        if (item->flags() & Qt::ItemIsUserCheckable)
            item->setCheckState(Subject, checked ? Qt::Checked : Qt::Unchecked);
    }
    count();
}

void GameDialog::count() {
    const int series = int(chosen().size());
    m_count->setText((series == 1 ? tr("1 serie") : tr("%1 series").arg(series)) +
                     tr(", %1 kaarten").arg(4 * series));
    m_make->setEnabled(series > 0);
}

QStringList GameDialog::chosen() const {
    QStringList chosen;
    for (int row = 0; row < m_list->topLevelItemCount(); ++row)
        if (m_list->topLevelItem(row)->checkState(Subject) == Qt::Checked)
            chosen << m_paths[row];
    return chosen;
}
