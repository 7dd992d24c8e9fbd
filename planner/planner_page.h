#pragma once

#include <QWidget>

class PlanningSession;
class QSettings;
class Recalled;

// A page of the planner: it writes its fields into the session's request,
// shows the session's answer, and keeps its fields between runs.
class PlannerPage : public QWidget {
    Q_OBJECT

public:
    explicit PlannerPage(PlanningSession& session, QWidget* parent = nullptr) : QWidget(parent), session_(session) { }

    virtual void remember(QSettings& settings) const = 0;
    virtual void recall(Recalled& recalled) = 0;

protected:
    PlanningSession& session_;
};
