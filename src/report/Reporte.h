#pragma once

#include "report/AjustesPDF.h"
#include "report/AnexoReporte.h"
#include "report/ExportadorPDF.h"
#include "report/IIVisorReporte.h"
#include "report/ModeloReporte.h"
#include "report/PaginasVisor.h"
#include "report/ReportePreparado.h"
#include "report/VariablesReporte.h"

#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>
#include <memory>
#include <optional>

// The report template (pages and variables) and what is done with it.
class TReporte {
 public:
  // Template
  void AgregaPagina(const TPagina& Pagina);
  const QList<TPagina>& Paginas() const;
  TVariablesReporte& Variables();
  const TVariablesReporte& Variables() const;
  // The function that draws the pictures naming sNombre as their drawing.
  void RegistraDibujo(const QString& sNombre, TDibujo Dibujo);
  const QMap<QString, TDibujo>& Dibujos() const;
  void Limpia();  // no pages, no variables; registered drawings stay

  // Variables
  void RestauraValoresIniciales();  // every variable and memo text back to the template's
  void SetVariable(const QString& sCategoria, const QString& sNombre, const QString& sValor);
  QStringList NombresVariables() const;  // template order, no category entries
  // Fixed text of the memo named sMemo (on any page) in place of the template's, until
  // RestauraValoresIniciales; TextoMemo gives what it prints now ("" for no such memo).
  void SetTextoMemo(const QString& sMemo, const QString& sTexto);
  QString TextoMemo(const QString& sMemo) const;
  std::optional<QString> TextoImpreso(const QString& sNombre) const;  // nullopt = prints nothing

  void SetNombreArchivo(const QString& sNombre);
  QString NombreArchivo() const;

  // PDF exporter settings; without them the document is titled by the file name.
  void SetAjustesPDF(const TAjustesPDF& Ajustes);
  TAjustesPDF AjustesPDF() const;

  // The document beside the report, until RestauraValoresIniciales.
  void SetAnexo(const TAnexoReporte& Anexo);
  const std::optional<TAnexoReporte>& Anexo() const;

  void SetVisor(std::shared_ptr<IVisorReporte> Visor);
  // Hands the viewer the pages as they stand now, and the annex's, each laid out when the
  // viewer first asks for it (the command line lays out only what it writes).
  void MuestraReporte();
  TReportePreparado Prepara() const;

  bool ExportaPDF(const QString& sRuta, QString& sError) const;
  bool ExportaPDF(const QString& sRuta, QString& sError, const TProgresoPDF& Progreso) const;

 private:
  TPaginasVisor PaginasDiferidas() const;

  QList<TPagina> F_paginas;
  QMap<QString, TDibujo> F_dibujos;
  TVariablesReporte F_variables;
  QMap<QString, QString> F_textosMemo;  // by memo name: a run's own fixed texts
  QString F_sNombreArchivo;
  std::optional<TAjustesPDF> F_ajustesPDF;
  std::optional<TAnexoReporte> F_anexo;
  std::shared_ptr<IVisorReporte> F_visor;
};
