#pragma once

#include "report/ReportePreparado.h"

#include <QDialog>
#include <QPrinter>

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPrintPreviewWidget;
class QSpinBox;
class QToolBar;
class TReporte;

// The report's preview: print, zoom, find, outline, page setup, view tools,
// page navigator and quick PDF export. Shows the pages prepared by the report.
class TfrmVistaPrevia : public QDialog {
  Q_OBJECT
 public:
  explicit TfrmVistaPrevia(TReporte& Reporte, QWidget* pPadre = nullptr);

  void Imprime();
  void ExportaPDF();
  void Busca();
  void ConfiguraPagina();

 private:
  QToolBar* CreaBarra();
  void CreaHerramientas(QToolBar* pBarra);
  void CreaNavegador(QToolBar* pBarra);
  void PintaPaginas(QPrinter* pImpresora);
  void AplicaZoom(const QString& sZoom);
  void ActualizaPagina();
  void IrAPagina(int nPagina);

  TReporte& F_reporte;
  TReportePreparado F_paginas;
  QString F_sResaltar;
  int F_nUltimaEncontrada = 0;
  QPrinter F_qImpresoraVista;
  QPrintPreviewWidget* F_vista = nullptr;
  QListWidget* F_lbEsquema = nullptr;
  QComboBox* F_cbZoom = nullptr;
  QLineEdit* F_edBuscar = nullptr;
  QSpinBox* F_edPagina = nullptr;
  QLabel* F_txTotal = nullptr;
};
