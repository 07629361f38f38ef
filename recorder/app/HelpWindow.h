#pragma once

#include <QDialog>

// The bundled help page in a window of its own, left open beside the recorder.
class HelpWindow : public QDialog {
    Q_OBJECT
  public:
    explicit HelpWindow(QWidget* parent = nullptr);
};
