#pragma once

#include <QColor>
#include <QList>
#include <QMarginsF>
#include <QPageLayout>
#include <QRectF>
#include <QSize>
#include <QSizeF>
#include <QString>

// Plain template data. Geometry of objects is in layout units of 1/96 inch,
// measured from the top-left corner of the printable area; pages in millimetres.
constexpr double CC_UNIDADES_POR_MM = 96.0 / 25.4;

enum class TAlineacion { Izquierda, Centro, Justificada };

struct TMemo {
  QString sNombre;
  QRectF rect;
  QString sTexto;                 // fixed text, or one variable name in brackets
  QString sFuente = "Arial";
  int nPixeles = 13;              // font height in layout units (stored pixel height)
  bool bNegrita = false;
  QColor color = Qt::black;
  TAlineacion alineacion = TAlineacion::Izquierda;
  bool bCentradoVertical = false;
  double dRotacion = 0;           // degrees, counter-clockwise
  bool bAnchoAutomatico = false;  // grows to the width of its text, on one line
};

// A picture drawn at render time, as vectors, by the drawing registered under sDibujo.
// Its logical size in pixels gives the aspect ratio it keeps when scaled to fit its frame.
struct TImagen {
  QString sNombre;
  QRectF rect;
  QString sDibujo;
  QSize pixeles;
  bool bCentradaEnMarco = false;  // otherwise drawn from the frame's top-left corner
};

struct TPagina {
  QString sNombre;
  QSizeF tamanoMm;                // as printed: width x height
  QPageLayout::Orientation orientacion = QPageLayout::Landscape;
  QMarginsF margenesMm{10, 10, 10, 10};
  QList<TImagen> imagenes;
  QList<TMemo> memos;

  QPageLayout Layout() const;
  double AnchoImprimible() const;  // in layout units
};
