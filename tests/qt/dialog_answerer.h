#pragma once
#include <QApplication>
#include <QFontMetrics>
#include <QMessageBox>
#include <QPushButton>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <deque>

// Answers the application's modal message boxes as a user would, by
// clicking their buttons, and remembers what they said.
class DialogAnswerer : public QObject {
public:
    struct Seen {
        QString title;
        QString text;
        QStringList buttons;
        bool warning = false;
        int width = 0;
        int titleWidth = 0;  // the title in the box's own face, bold as title bars often are
    };

    DialogAnswerer() {
        connect(&poll_, &QTimer::timeout, this, [this] { answer(); });
        poll_.start(5);
    }

    // The next boxes' answers, in order; without one the default button is taken.
    void script(std::initializer_list<QMessageBox::StandardButton> answers) {
        answers_.insert(answers_.end(), answers);
    }
    std::vector<Seen> seen;

private:
    void answer() {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || !box->isVisible()) return;
        QFont titleFont = box->font();
        titleFont.setBold(true);
        Seen s{box->windowTitle(),
               box->text(),
               {},
               box->icon() == QMessageBox::Warning,
               box->width(),
               QFontMetrics(titleFont).horizontalAdvance(box->windowTitle())};
        for (QAbstractButton* b : box->buttons()) s.buttons << b->text();
        seen.push_back(s);
        QAbstractButton* target = box->defaultButton();
        if (!answers_.empty()) {
            target = box->button(answers_.front());
            answers_.pop_front();
        }
        if (target) target->click();
    }

    QTimer poll_;
    std::deque<QMessageBox::StandardButton> answers_;
};
