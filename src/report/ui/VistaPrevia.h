#pragma once

#include "report/IIVisorReporte.h"
#include "report/ReportePreparado.h"

#include <QDialog>

class QAction;
class QBoxLayout;
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
  void Acerca();  // the next zoom of the list up, or down
  void Aleja();
  int PaginaActual() const;  // 1-based
  void MuestraDocumento(int nDocumento);  // 0: the report

  // The folder of the last PDF export, kept between runs of the program.
  static QString CarpetaPDF();

  // Maximised over the screen's free area, also where no window manager
  // maximises it; restored, a usable window: GeometriaNormal of that area.
  void PreparaMaximizada();
  static QRect GeometriaNormal(const QRect& rDisponible);

 protected:
  bool event(QEvent* pEvento) override;
  void showEvent(QShowEvent* pEvento) override;
  void changeEvent(QEvent* pEvento) override;
  bool eventFilter(QObject* pObjeto, QEvent* pEvento) override;

 private:
  QBoxLayout* CreaBarras();
  void AcomodaBarras();  // one row of bars, or two on a narrow screen
  void CreaHerramientas(QToolBar* pBarra);
  void CreaNavegador(QToolBar* pBarra);
  void AplicaZoom(const QString& sZoom);
  void AjustaAncho();
  void AjustaPagina();
  void ReaplicaAjuste();
  void FijaZoom(double dZoom);  // keeps the page in view where it was
  void PasoZoom(int nPasos);
  void SetDosPaginas(bool bDos);
  void ActualizaPagina();       // after the user scrolled
  void MuestraPagina();         // counter and page list after every move
  void IrAPagina(int nPagina);
  QString PideRutaPDF();
  void RecuperaFoco();          // after each of our dialogs closes
  void MarcoDentroDelArea();    // maximised, also where the window manager does not maximise

  QList<TDocumentoVisor> F_documentos;
  int F_nDocumento = 0;
  TReportePreparado F_paginas;  // of the document shown
  QString F_sResaltar;
  int F_nUltimaEncontrada = 0;
  int F_nPagina = 1;
  bool F_bMoviendo = false;  // we scroll, not the user
  int F_nRuedaZoom = 0;      // Ctrl+wheel turned, in eighths of a degree, not yet zoomed
  enum class TAjuste { Ninguno, Ancho, Pagina } F_ajuste = TAjuste::Ninguno;  // kept on resize
  QScrollArea* F_area = nullptr;
  TPaginasVista* F_vista = nullptr;
  QListWidget* F_lbEsquema = nullptr;
  QComboBox* F_cbZoom = nullptr;
  QLineEdit* F_edBuscar = nullptr;
  QSpinBox* F_edPagina = nullptr;
  QToolBar* F_barra = nullptr;           // print, export, zoom, search, tools
  QToolBar* F_barraNavegador = nullptr;  // page counter, its arrows and "Cerrar"
  QAction* F_separadorNavegador = nullptr;
  QBoxLayout* F_filaBarras = nullptr;
};
