#pragma once

#include "report/AjusteTexto.h"
#include "report/LienzoPagina.h"
#include "report/ModeloReporte.h"

#include <QList>
#include <QMap>
#include <QPageLayout>
#include <QString>

#include <memory>

class QPainter;
class QTextDocument;
class TVariablesReporte;
struct TDocumentoTablas;

struct TMemoPreparado {
  TMemo memo;      // rect after automatic widening
  QString sTexto;  // variables replaced; lines separated by LF
  TTextoAjustado ajuste;  // sTexto laid out to fit inside the memo
};

struct TImagenPreparada {
  TImagen imagen;
  TDibujo dibujo;             // empty when no drawing has that name: the frame stays white
  QList<TMemo> memosPagina;   // the geometry the drawing places its cells under
};

struct TPaginaPreparada {
  QString sNombre;
  QPageLayout layout;
  QList<TImagenPreparada> imagenes;
  QList<TMemoPreparado> memos;
  // A page of a flowing document instead of images and memos: its page number there,
  // the words on it (to find them) and the foot printed under it.
  std::shared_ptr<const QTextDocument> documento;
  int nPaginaDocumento = 0;
  QString sTextoDocumento;
  QString sPie;
};

// The pages ready to draw. One drawing code serves preview, printer and PDF:
// PintaPagina draws on any painter whose origin is the paper's top-left corner.
class TReportePreparado {
 public:
  TReportePreparado() = default;
  // First pass: texts resolved and measured; drawing is the second.
  TReportePreparado(const QList<TPagina>& paginas, const TVariablesReporte& Variables,
                    const QMap<QString, TDibujo>& dibujos = {});
  // The pages of a flowing document, each with its foot ("title · página n de m").
  explicit TReportePreparado(const TDocumentoTablas& Documento);

  int NumeroPaginas() const;
  const TPaginaPreparada& Pagina(int nPagina) const;  // 0-based
  void SetLayout(const QPageLayout& layout);           // page setup: applies to every page
  // sResaltar: text to highlight (find), compared without regard to case.
  void PintaPagina(int nPagina, QPainter& Painter, const QString& sResaltar = {}) const;
  bool PaginaContiene(int nPagina, const QString& sTexto) const;

 private:
  QList<TPaginaPreparada> F_paginas;
};
