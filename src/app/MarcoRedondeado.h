#pragma once

#include <QColor>
#include <QWidget>

// A rounded-rectangle outline without fill that frames a section of the window.
class TMarcoRedondeado : public QWidget {
 public:
  TMarcoRedondeado(QWidget* Padre, const QColor& cContorno);

 protected:
  void paintEvent(QPaintEvent* Evento) override;

 private:
  QColor F_cContorno;
};
