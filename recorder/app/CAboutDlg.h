#pragma once

#include <QDialog>

// "About Pennivel": icon, version, legal notice, and the way to the contact details.
class CAboutDlg : public QDialog {
    Q_OBJECT
  public:
    explicit CAboutDlg(QWidget* parent = nullptr);
};

// "Contact Information": where to reach the publisher.
class CContact : public QDialog {
    Q_OBJECT
  public:
    explicit CContact(QWidget* parent = nullptr);
};
