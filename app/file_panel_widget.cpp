#include "file_panel_widget.h"

#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStorageInfo>
#include <QStyle>
#include <cmath>

#include "canvas_widget.h"
#include "translator_qt.h"

namespace xantu {

namespace {

// The panel's text size at 100 %, in pixels.
constexpr int kFontPixels = 12;

constexpr int kPathRole = Qt::UserRole;

// Label and text box rows, top to bottom, with the text box number each
// label belongs to.
struct IoRow {
    Msg label;
    int box;
    double top;
};
constexpr IoRow kIoRows[] = {
    {Msg::PanelEvent, 2, 2400},
    {Msg::PanelSente, 3, 2640},
    {Msg::PanelGote, 4, 2880},
    {Msg::PanelFileName, 1, 3120},
};

}  // namespace

FilePanelWidget::FilePanelWidget(QWidget* surface, Dialogs& dialogs, QObject* parent)
    : QObject(parent), dialogs_(dialogs) {
    QFont small = surface->font();
    small.setPixelSize(kFontPixels);

    drive_ = new QComboBox(surface);
    drive_->setObjectName(QStringLiteral("Drive1"));
    place(drive_, QRectF(240, 360, 2535, 300));
    dir_ = new QListWidget(surface);
    dir_->setObjectName(QStringLiteral("Dir1"));
    place(dir_, QRectF(240, 600, 2535, 1710));
    dir_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    dir_->setTextElideMode(Qt::ElideMiddle);
    files_ = new QListWidget(surface);
    files_->setObjectName(QStringLiteral("File1"));
    place(files_, QRectF(240, 2280, 2535, 930));
    files_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    files_->setTextElideMode(Qt::ElideMiddle);
    for (QWidget* w : {static_cast<QWidget*>(drive_), static_cast<QWidget*>(dir_), static_cast<QWidget*>(files_)}) {
        w->setFont(small);
        w->hide();
    }

    for (int i = 0; i < 4; ++i) {
        const IoRow& row = kIoRows[i];
        auto* label = new QLabel(uiText(row.label), surface);
        place(label, QRectF(120, row.top, 855, 255));
        label->setAutoFillBackground(true);
        label->setFont(small);
        label->hide();
        labels_[row.box - 1] = label;
        auto* edit = new QLineEdit(surface);
        edit->setObjectName(QStringLiteral("Text%1").arg(row.box));
        place(edit, QRectF(960, row.top, 2295, 270));
        edit->setFont(small);
        edit->setTextMargins(0, 0, 0, 0);
        edit->hide();
        texts_[row.box - 1] = edit;
    }
    button_ = new QPushButton(uiText(Msg::PanelReturn), surface);
    button_->setObjectName(QStringLiteral("Command1"));
    place(button_, QRectF(3360, 3000, 855, 375));
    button_->setFont(small);
    button_->hide();
    QWidget::setTabOrder(texts_[1], texts_[2]);
    QWidget::setTabOrder(texts_[2], texts_[3]);
    QWidget::setTabOrder(texts_[3], texts_[0]);
    QWidget::setTabOrder(texts_[0], button_);

    connect(button_, &QPushButton::clicked, this, &FilePanelWidget::returnClicked);
    connect(drive_, &QComboBox::activated, this, &FilePanelWidget::chooseDrive);
    connect(dir_, &QListWidget::itemActivated, this, &FilePanelWidget::folderActivated);
    connect(files_, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { emit fileClicked(item->data(kPathRole).toString()); });

    fillDrives();
    setFolder(QDir::currentPath());
}

void FilePanelWidget::place(QWidget* widget, const QRectF& twips) {
    placed_.push_back({widget, twips});
    widget->setGeometry(QRect(CanvasWidget::toPixels(twips.left()), CanvasWidget::toPixels(twips.top()),
                              CanvasWidget::toPixels(twips.width()), CanvasWidget::toPixels(twips.height())));
}

void FilePanelWidget::relayout(const CanvasWidget& canvas) {
    const double scale = canvas.logicalScale();
    for (const Placed& p : placed_) {
        p.widget->setGeometry(canvas.logicalRect(p.twips.left(), p.twips.top(), p.twips.width(), p.twips.height()));
        QFont font = p.widget->font();
        font.setPixelSize(std::max(1, static_cast<int>(std::lround(kFontPixels * scale))));
        p.widget->setFont(font);
    }
}

QLineEdit* FilePanelWidget::textBox(int box) const { return box >= 1 && box <= 4 ? texts_[box - 1] : nullptr; }

void FilePanelWidget::setListsVisible(bool drive, bool folder, bool files) {
    if (drive || folder || files) {
        fillFolders();
        refreshFiles();
    }
    drive_->setVisible(drive);
    dir_->setVisible(folder);
    files_->setVisible(files);
    for (QWidget* w : {static_cast<QWidget*>(drive_), static_cast<QWidget*>(dir_), static_cast<QWidget*>(files_)})
        if (w->isVisible()) w->raise();
}

void FilePanelWidget::setIoVisible(bool on) {
    for (int i = 0; i < 4; ++i) {
        labels_[i]->setVisible(on);
        texts_[i]->setVisible(on);
        if (on) {
            labels_[i]->raise();
            texts_[i]->raise();
        }
    }
    button_->setVisible(on);
    if (on) {
        button_->raise();
        texts_[1]->setFocus();
    }
}

std::string FilePanelWidget::folder() const { return folder_.toStdString(); }

void FilePanelWidget::openFolder(const std::string& path) {
    const QString folder = QString::fromStdString(path);
    const QDir dir(folder);
    if (dir.exists() && dir.isReadable()) setFolder(folder);
}

std::string FilePanelWidget::text(int box) const {
    const QLineEdit* edit = textBox(box);
    return edit ? edit->text().toStdString() : std::string();
}

void FilePanelWidget::setText(int box, const std::string& s) {
    if (QLineEdit* edit = textBox(box)) edit->setText(QString::fromStdString(s));
}

void FilePanelWidget::refreshFiles() {
    files_->clear();
    const QDir dir(folder_);
    const QStringList names =
        dir.entryList({QString::fromUtf8(kPattern)}, QDir::Files | QDir::Readable, QDir::Name | QDir::IgnoreCase);
    for (const QString& name : names) {
        auto* item = new QListWidgetItem(name, files_);
        item->setData(kPathRole, dir.absoluteFilePath(name));
    }
}

void FilePanelWidget::setFolder(const QString& path) {
    const QDir dir(path);
    folder_ = dir.canonicalPath().isEmpty() ? dir.absolutePath() : dir.canonicalPath();
    // The drive list follows the folder: the longest root that holds it.
    int best = -1;
    qsizetype bestLength = -1;
    for (int i = 0; i < drive_->count(); ++i) {
        const QString root = drive_->itemData(i, kPathRole).toString();
        const bool holds =
            folder_ == root || folder_.startsWith(root.endsWith(QLatin1Char('/')) ? root : root + QLatin1Char('/'));
        if (holds && root.size() > bestLength) {
            best = i;
            bestLength = root.size();
        }
    }
    if (best >= 0) {
        drive_->setCurrentIndex(best);
        driveIndex_ = best;
    }
    fillFolders();
    refreshFiles();
}

void FilePanelWidget::chooseDrive(int index) {
    if (index < 0 || index >= drive_->count()) return;
    const QString root = drive_->itemData(index, kPathRole).toString();
    const QStorageInfo volume(root);
    const QDir dir(root);
    if (!volume.isValid() || !volume.isReady() || !dir.exists() || !dir.isReadable()) {
        dialogs_.messageBox(uiText(Msg::DeviceNotReady).toStdString(), uiText(Msg::TitleError).toStdString(),
                            MsgButtons::Ok, false);
        drive_->setCurrentIndex(driveIndex_);
        return;
    }
    drive_->setCurrentIndex(index);
    setFolder(root);
    // The chosen entry stays shown even when a longer root holds the folder.
    drive_->setCurrentIndex(index);
    driveIndex_ = index;
}

void FilePanelWidget::fillDrives() {
    drive_->clear();
    const QString home = QDir::homePath();
    drive_->addItem(drive_->style()->standardIcon(QStyle::SP_DirHomeIcon), home, home);
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
        const QString root = volume.rootPath();
        if (root == home) continue;
        QString shown = root;
        const QString name = volume.displayName();
        if (!name.isEmpty() && name != root) shown += QStringLiteral(" [%1]").arg(name);
        drive_->addItem(drive_->style()->standardIcon(QStyle::SP_DriveHDIcon), shown, root);
    }
}

void FilePanelWidget::fillFolders() {
    dir_->clear();
    const QDir dir(folder_);
    // The open folder by its own name (the whole path in its tip), then the
    // way up and the folders below.
    const QString name = dir.dirName().isEmpty() ? folder_ : dir.dirName();
    auto* current = new QListWidgetItem(dir_->style()->standardIcon(QStyle::SP_DirOpenIcon), name, dir_);
    current->setData(kPathRole, folder_);
    current->setToolTip(folder_);
    QDir up(folder_);
    if (up.cdUp()) {
        auto* item =
            new QListWidgetItem(dir_->style()->standardIcon(QStyle::SP_FileDialogToParent), QStringLiteral(".."), dir_);
        item->setData(kPathRole, up.absolutePath());
    }
    const QStringList subfolders = dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
    for (const QString& name : subfolders) {
        auto* item = new QListWidgetItem(dir_->style()->standardIcon(QStyle::SP_DirClosedIcon), name, dir_);
        item->setData(kPathRole, dir.absoluteFilePath(name));
    }
    dir_->setCurrentRow(0);
}

void FilePanelWidget::folderActivated(QListWidgetItem* item) {
    if (!item) return;
    const QString path = item->data(kPathRole).toString();
    if (path.isEmpty() || path == folder_) return;
    if (!QDir(path).isReadable()) return;
    setFolder(path);
}

}  // namespace xantu
