#include "time_control_dialog.h"

#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QSpinBox>
#include <QVBoxLayout>

namespace xantu {

namespace {

// One side's row: kind, minutes, seconds. The numbers are greyed out where
// the kind leaves them unused.
struct Row {
    QComboBox* kind = nullptr;
    QSpinBox* minutes = nullptr;
    QSpinBox* seconds = nullptr;

    void make(QDialog& dialog, QGridLayout& grid, int line, const QString& name, const TimeControl& t) {
        grid.addWidget(new QLabel(name, &dialog), line, 0);
        kind = new QComboBox(&dialog);
        kind->addItems({QStringLiteral("なし"), QStringLiteral("秒読み"), QStringLiteral("加算")});
        kind->setCurrentIndex(static_cast<int>(t.kind));
        minutes = new QSpinBox(&dialog);
        minutes->setRange(0, kMaxMainMinutes);
        minutes->setSuffix(QStringLiteral(" 分"));
        minutes->setValue(t.timed() ? t.mainMinutes : 10);
        seconds = new QSpinBox(&dialog);
        seconds->setRange(0, kMaxPeriodSeconds);
        seconds->setSuffix(QStringLiteral(" 秒"));
        seconds->setValue(t.timed() ? t.periodSeconds : 30);
        grid.addWidget(kind, line, 1);
        grid.addWidget(minutes, line, 2);
        grid.addWidget(seconds, line, 3);
        const auto follow = [this] {
            const bool timed = kind->currentIndex() != 0;
            minutes->setEnabled(timed);
            seconds->setEnabled(timed);
        };
        QObject::connect(kind, &QComboBox::currentIndexChanged, &dialog, follow);
        follow();
    }

    TimeControl value() const {
        TimeControl t;
        t.kind = static_cast<TimeKind>(kind->currentIndex());
        t.mainMinutes = minutes->value();
        t.periodSeconds = seconds->value();
        return 調整_持ち時間(t);
    }
};

}  // namespace

bool editTimeControls(QWidget* parent, TimeControls& controls) {
    QDialog dialog(parent);
    dialog.setWindowTitle(QStringLiteral("持ち時間"));
    auto* layout = new QVBoxLayout(&dialog);
    auto* grid = new QGridLayout;
    layout->addLayout(grid);
    grid->addWidget(new QLabel(QStringLiteral("持ち時間"), &dialog), 0, 2);
    grid->addWidget(new QLabel(QStringLiteral("秒読み・加算"), &dialog), 0, 3);
    Row man, com;
    man.make(dialog, *grid, 1, QStringLiteral("MAN（手前）"), controls.man);
    com.make(dialog, *grid, 2, QStringLiteral("COM（向こう）"), controls.com);
    layout->addWidget(new QLabel(QStringLiteral("次の対局から使われます。"), &dialog));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    layout->addWidget(buttons);
    if (dialog.exec() != QDialog::Accepted) return false;
    controls.man = man.value();
    controls.com = com.value();
    return true;
}

}  // namespace xantu
