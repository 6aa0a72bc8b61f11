#pragma once

#include <QMainWindow>

namespace kalmira {

// The maintenance tool's window.
class Tfrm_Upd_Main : public QMainWindow
{
    Q_OBJECT
public:
    explicit Tfrm_Upd_Main(QWidget *parent = nullptr);
};

} // namespace kalmira
