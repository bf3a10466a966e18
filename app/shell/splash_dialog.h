#pragma once

#include <QImage>
#include <QWidget>

// The picture shown while the program starts; the view's timer ends it.
class CSplashDlg : public QWidget {
    Q_OBJECT
public:
    explicit CSplashDlg(QWidget* parent);

    // Brings it to the top, centred over the main window.
    void ShowCentred();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage picture_;
};

// The splash ends on the third tick of the view's 500 ms timer.
class CSplashCountdown {
public:
    // Advances on a tick; true exactly once, on the tick that ends it.
    bool Tick() {
        if (!running_) return false;
        const int before = ticks_;
        ticks_ += 2;
        if (before + 1 > 4) {
            running_ = false;
            return true;
        }
        return false;
    }
    bool Running() const { return running_; }

private:
    bool running_ = true;
    int ticks_ = 0;
};
