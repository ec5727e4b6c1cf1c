#pragma once

#include <QList>
#include <QRect>
#include <QString>
#include <QWidget>

class TReportePreparado;

// The pages of the preview, each at its own paper size, one or two per row.
class TPaginasVista : public QWidget {
  Q_OBJECT
 public:
  static constexpr int CC_ESPACIO = 12;  // pixels between pages and around them

  TPaginasVista(const TReportePreparado& Paginas, QWidget* pPadre = nullptr);

  void SetZoom(double dZoom);  // 1.0 = actual size
  double Zoom() const;
  void SetDosPaginas(bool bDos);
  bool DosPaginas() const;
  void SetResaltar(const QString& sTexto);
  void Actualiza();            // after the pages changed (page setup)

  QRect RectPagina(int nPagina) const;  // 0-based, widget coordinates
  int PaginaEn(int y) const;            // 0-based page shown at height y
  QSizeF TamanoPagina(int nPagina, double dZoom) const;  // pixels

 protected:
  void paintEvent(QPaintEvent* pEvento) override;
  void resizeEvent(QResizeEvent* pEvento) override;

 private:
  void Distribuye();

  const TReportePreparado& F_paginas;
  double F_dZoom = 1.0;
  bool F_bDosPaginas = false;
  QString F_sResaltar;
  QList<QRect> F_rects;
};
