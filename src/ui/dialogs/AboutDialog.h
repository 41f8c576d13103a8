#pragma once

#include <QDialog>

class QLabel;

// Help, "About": what the program is, its version, and what it is not.
class AboutDialog : public QDialog
{
    Q_OBJECT
public:
    explicit AboutDialog(QWidget *parent = nullptr);

    // "major.minor.release.build" of this build.
    static QString fileVersion();

    QLabel *productLabel = nullptr;
    QLabel *versionLabel = nullptr;

protected:
    void showEvent(QShowEvent *event) override;
};
