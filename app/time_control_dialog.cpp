#include "time_control_dialog.h"

#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QSpinBox>
#include <QVBoxLayout>

#include "translator_qt.h"

namespace xantu {

TimeControlFields::TimeControlFields(const TimeControls& controls, QWidget* parent) : QWidget(parent) {
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->addWidget(new QLabel(uiText(Msg::TimeMainColumn), this), 0, 2);
    grid->addWidget(new QLabel(uiText(Msg::TimePeriodColumn), this), 0, 3);
    man_ = makeRow(1, uiText(Msg::TimeMan), controls.man);
    com_ = makeRow(2, uiText(Msg::TimeCom), controls.com);
}

TimeControlFields::Row TimeControlFields::makeRow(int line, const QString& name, const TimeControl& t) {
    auto* grid = static_cast<QGridLayout*>(layout());
    Row row;
    grid->addWidget(new QLabel(name, this), line, 0);
    row.kind = new QComboBox(this);
    row.kind->addItems({uiText(Msg::TimeNone), uiText(Msg::TimeByoyomi), uiText(Msg::TimeIncrement)});
    row.kind->setCurrentIndex(static_cast<int>(t.kind));
    row.minutes = new QSpinBox(this);
    row.minutes->setRange(0, kMaxMainMinutes);
    row.minutes->setSuffix(uiText(Msg::TimeMinutesSuffix));
    row.minutes->setValue(t.timed() ? t.mainMinutes : 10);
    row.seconds = new QSpinBox(this);
    row.seconds->setRange(0, kMaxPeriodSeconds);
    row.seconds->setSuffix(uiText(Msg::TimeSecondsSuffix));
    row.seconds->setValue(t.timed() ? t.periodSeconds : 30);
    grid->addWidget(row.kind, line, 1);
    grid->addWidget(row.minutes, line, 2);
    grid->addWidget(row.seconds, line, 3);
    // The numbers are greyed out while the side has no clock.
    const auto follow = [row] {
        const bool timed = row.kind->currentIndex() != 0;
        row.minutes->setEnabled(timed);
        row.seconds->setEnabled(timed);
    };
    connect(row.kind, &QComboBox::currentIndexChanged, this, follow);
    follow();
    return row;
}

TimeControl TimeControlFields::valueOf(const Row& row) {
    TimeControl t;
    t.kind = static_cast<TimeKind>(row.kind->currentIndex());
    t.mainMinutes = row.minutes->value();
    t.periodSeconds = row.seconds->value();
    return 調整_持ち時間(t);
}

TimeControls TimeControlFields::value() const { return {valueOf(man_), valueOf(com_)}; }

bool editTimeControls(QWidget* parent, TimeControls& controls) {
    QDialog dialog(parent);
    dialog.setWindowTitle(uiText(Msg::TimeTitle));
    auto* layout = new QVBoxLayout(&dialog);
    auto* fields = new TimeControlFields(controls, &dialog);
    layout->addWidget(fields);
    layout->addWidget(new QLabel(uiText(Msg::TimeFromNextGame), &dialog));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    layout->addWidget(buttons);
    if (dialog.exec() != QDialog::Accepted) return false;
    controls = fields->value();
    return true;
}

}  // namespace xantu
