// The about box: the king's portrait, the version, the credits and the game's links.
#pragma once

#include <QPointer>
#include <QWidget>

class Platform;
class QGroupBox;
class QLabel;
class QPushButton;

// The first line of the box: its leading blanks centre it roughly in the label.
inline constexpr char kVersionLine[] = "                          Король Велории  v1.21";
inline constexpr char kCreditsLine[] = "Код и рисунки: мастера Велории";

class Form2 : public QWidget {
    Q_OBJECT
public:
    // Creates, centres and shows the box, then disables the main window until the box closes.
    // The box deletes itself when closed.
    static Form2* open(Platform& platform, QWidget* mainWindow);

    Form2(Platform& platform, QWidget* mainWindow);
    ~Form2() override;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    static constexpr qreal kTextPoints = 9.75;
    // The links are smaller, so that the whole web address fits its label.
    static constexpr qreal kLinkPoints = 8.25;

    void setupActions();
    void placeInScreenCentre();
    void enableMainWindow();
    void command1Click();

    Platform& m_platform;
    QPointer<QWidget> m_mainWindow;
    // Set while this box keeps the main window disabled, so that only the box that disabled it
    // enables it again.
    bool m_holdsMainWindow = false;
    QGroupBox* m_frame1 = nullptr;
    QLabel* m_image1 = nullptr;
    QLabel* m_label1 = nullptr;
    QPushButton* m_command1 = nullptr;
    QLabel* m_label2 = nullptr;
    QLabel* m_label3 = nullptr;
};
