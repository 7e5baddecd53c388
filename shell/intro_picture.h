// Clickable pictures and panels of the introductory screen and the main page.
#pragma once

#include <QFrame>
#include <QLabel>
#include <string>

#include "platform/forms/components.h"

// A picture loaded from a file of the program folder; a click runs OnClick. A missing or
// unreadable picture leaves the frame empty with its name as text.
class TImage : public QLabel {
    Q_OBJECT
  public:
    explicit TImage(const std::string& programFile = "", QWidget* parent = nullptr);
    void LoadPicture(const std::string& programFile);
    bool HasPicture() const;
    forms::Action OnClick;
    // Runs the click action as a user's click would.
    void Click();

  protected:
    void mousePressEvent(QMouseEvent* event) override;
};

// A panel whose click, and the click of any label put on it with AddLabel, runs OnClick.
class TClickPanel : public QFrame {
    Q_OBJECT
  public:
    explicit TClickPanel(QWidget* parent = nullptr);
    forms::TLabel* AddLabel(const std::string& caption);
    forms::Action OnClick;
    void Click();

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
};

// A label whose click runs OnClick.
class TClickLabel : public forms::TLabel {
    Q_OBJECT
  public:
    explicit TClickLabel(const std::string& caption = "", QWidget* parent = nullptr);
    forms::Action OnClick;
    void Click();

  protected:
    void mousePressEvent(QMouseEvent* event) override;
};
