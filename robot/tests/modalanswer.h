#pragma once
// Answers the modal windows a test opens, as a user would: for each expected
// window (by title) it notes the text shown, lets the test fill it in, and
// presses a button by its text. A window nobody expected is closed after a
// while and noted, so a test fails instead of hanging.
#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QLabel>
#include <QMessageBox>
#include <QTimer>
#include <functional>

struct CModalStep {
  QString strTitle;
  QString strButton;  // without '&'; empty: fnBefore closes the window
  std::function<void(QWidget*)> fnBefore = {};
};

class CModalAnswerer {
 public:
  explicit CModalAnswerer(QList<CModalStep> steps) : m_steps(std::move(steps)) {
    m_timer.setInterval(5);
    QObject::connect(&m_timer, &QTimer::timeout, [this] { Poll(); });
    m_timer.start();
    m_idle.start();
  }
  // "title: text" of every window answered or closed, in order.
  QStringList m_seen;
  bool Done() const { return m_steps.isEmpty(); }

 private:
  static QString TextOf(QWidget* w) {
    if (auto* box = qobject_cast<QMessageBox*>(w)) return box->text();
    QStringList texts;
    for (QLabel* label : w->findChildren<QLabel*>()) texts << label->text();
    return texts.join(' ');
  }

  void Poll() {
    QWidget* w = QApplication::activeModalWidget();
    if (m_bBusy || !w || !w->isVisible()) return;
    if (!m_steps.isEmpty() && w->windowTitle() == m_steps.front().strTitle) {
      const CModalStep step = m_steps.takeFirst();
      m_seen << w->windowTitle() + ": " + TextOf(w);
      m_idle.restart();
      // Acted on from a fresh timer: a window opened by the action is then
      // answered by this poll, which a running timer slot would not be.
      m_bBusy = true;
      QTimer::singleShot(0, w, [this, w, step] {
        m_bBusy = false;
        if (step.fnBefore) step.fnBefore(w);
        if (step.strButton.isEmpty()) return;  // the test closed it itself
        for (QAbstractButton* b : w->findChildren<QAbstractButton*>())
          if (b->text().remove('&') == step.strButton && b->isVisible()) {
            b->click();
            return;
          }
        m_seen << "no button " + step.strButton;
        if (auto* d = qobject_cast<QDialog*>(w)) d->reject();
      });
      return;
    }
    // An outer window waits for its turn; an unexpected one is closed.
    if (m_idle.elapsed() > 3000) {
      m_seen << "unexpected " + w->windowTitle() + ": " + TextOf(w);
      if (auto* d = qobject_cast<QDialog*>(w)) d->reject();
      m_idle.restart();
    }
  }

  QList<CModalStep> m_steps;
  QTimer m_timer;
  QElapsedTimer m_idle;
  bool m_bBusy = false;
};
