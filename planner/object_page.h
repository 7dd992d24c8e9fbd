#pragma once

#include "planner_page.h"

class QLabel;
class QLineEdit;

// The object to frame: a deep-sky object by any of its names, or the Sun,
// the Moon or a planet by its Italian name; what it is, and where it is now.
class ObjectPage final : public PlannerPage {
    Q_OBJECT

public:
    explicit ObjectPage(PlanningSession& session, QWidget* parent = nullptr);

    QString typedName() const;
    void remember(QSettings& settings) const override;
    void recall(Recalled& recalled) override;

private:
    void write();
    void showAnswer();
    QString bodyFacts() const;
    QString targetFacts() const;

    QLineEdit* name_;
    QLabel* facts_;
    QLabel* message_;
};
