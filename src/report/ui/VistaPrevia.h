#pragma once

#include "report/IIVisorReporte.h"
#include "report/ReportePreparado.h"

#include <QDialog>

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QScrollArea;
class QSpinBox;
class QToolBar;
class TPaginasVista;

// The report's preview: print, zoom, find, outline, page setup, view tools,
// page navigator and quick PDF export. Shows the pages prepared by the report; "Soporte"
// switches to the document beside it and back, with the same print and export.
class TfrmVistaPrevia : public QDialog {
  Q_OBJECT
 public:
  explicit TfrmVistaPrevia(const QList<TDocumentoVisor>& Documentos, QWidget* pPadre = nullptr);

  void Imprime();
  void ExportaPDF();
  void Busca();
  void ConfiguraPagina();
  int PaginaActual() const;  // 1-based
  void MuestraDocumento(int nDocumento);  // 0: the report

  // Maximised over the screen's free area, also where no window manager
  // maximises it; restored, a usable window: GeometriaNormal of that area.
  void PreparaMaximizada();
  static QRect GeometriaNormal(const QRect& rDisponible);

 protected:
  void showEvent(QShowEvent* pEvento) override;
  void changeEvent(QEvent* pEvento) override;
  bool eventFilter(QObject* pObjeto, QEvent* pEvento) override;

 private:
  QToolBar* CreaBarra();
  void CreaHerramientas(QToolBar* pBarra);
  void CreaNavegador(QToolBar* pBarra);
  void AplicaZoom(const QString& sZoom);
  void AjustaAncho();
  void AjustaPagina();
  void ReaplicaAjuste();
  void SetDosPaginas(bool bDos);
  void ActualizaPagina();
  void IrAPagina(int nPagina);

  QList<TDocumentoVisor> F_documentos;
  int F_nDocumento = 0;
  TReportePreparado F_paginas;  // of the document shown
  QString F_sResaltar;
  int F_nUltimaEncontrada = 0;
  enum class TAjuste { Ninguno, Ancho, Pagina } F_ajuste = TAjuste::Ninguno;  // kept on resize
  QScrollArea* F_area = nullptr;
  TPaginasVista* F_vista = nullptr;
  QListWidget* F_lbEsquema = nullptr;
  QComboBox* F_cbZoom = nullptr;
  QLineEdit* F_edBuscar = nullptr;
  QSpinBox* F_edPagina = nullptr;
  QLabel* F_txTotal = nullptr;
};
