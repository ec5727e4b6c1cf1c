#include "report/Reporte.h"

#include "report/NombrePDF.h"

void TReporte::AgregaPagina(const TPagina& Pagina)
{
  F_paginas.append(Pagina);
}

const QList<TPagina>& TReporte::Paginas() const
{
  return F_paginas;
}

TVariablesReporte& TReporte::Variables()
{
  return F_variables;
}

const TVariablesReporte& TReporte::Variables() const
{
  return F_variables;
}

void TReporte::RegistraDibujo(const QString& sNombre, TDibujo Dibujo)
{
  F_dibujos.insert(sNombre, std::move(Dibujo));
}

const QMap<QString, TDibujo>& TReporte::Dibujos() const
{
  return F_dibujos;
}

void TReporte::Limpia()
{
  F_paginas.clear();
  F_variables = TVariablesReporte();
  F_textosMemo.clear();
  F_anexo.reset();
}

void TReporte::RestauraValoresIniciales()
{
  F_variables.RestauraValoresIniciales();
  F_textosMemo.clear();
  F_anexo.reset();
}

void TReporte::SetAnexo(const TAnexoReporte& Anexo)
{
  F_anexo = Anexo;
}

const std::optional<TAnexoReporte>& TReporte::Anexo() const
{
  return F_anexo;
}

void TReporte::SetTextoMemo(const QString& sMemo, const QString& sTexto)
{
  F_textosMemo.insert(sMemo, sTexto);
}

QString TReporte::TextoMemo(const QString& sMemo) const
{
  if (F_textosMemo.contains(sMemo))
    return F_textosMemo.value(sMemo);
  for (const TPagina& pagina : F_paginas)
    for (const TMemo& memo : pagina.memos)
      if (memo.sNombre == sMemo)
        return memo.sTexto;
  return {};
}

void TReporte::SetVariable(const QString& sCategoria, const QString& sNombre, const QString& sValor)
{
  F_variables.SetVariable(sCategoria, sNombre, sValor);
}

QStringList TReporte::NombresVariables() const
{
  return F_variables.Nombres();
}

std::optional<QString> TReporte::TextoImpreso(const QString& sNombre) const
{
  return F_variables.TextoImpreso(sNombre);
}

void TReporte::SetNombreArchivo(const QString& sNombre)
{
  F_sNombreArchivo = sNombre;
}

QString TReporte::NombreArchivo() const
{
  return F_sNombreArchivo;
}

void TReporte::SetAjustesPDF(const TAjustesPDF& Ajustes)
{
  F_ajustesPDF = Ajustes;
}

TAjustesPDF TReporte::AjustesPDF() const
{
  return F_ajustesPDF.value_or(TAjustesPDF{F_sNombreArchivo, F_sNombreArchivo, {}, {}});
}

void TReporte::SetVisor(std::shared_ptr<IVisorReporte> Visor)
{
  F_visor = std::move(Visor);
}

void TReporte::MuestraReporte()
{
  if (!F_visor)
    return;
  QList<TDocumentoVisor> Documentos = {
      {F_sNombreArchivo, PaginasDiferidas(), AjustesPDF(), NombrePropuestoPDF(*this, QDate::currentDate())}};
  if (F_anexo)
    Documentos.append({F_anexo->Ajustes.sTitulo,
                       TPaginasVisor([Documento = F_anexo->Documento] { return TReportePreparado(Documento); }),
                       F_anexo->Ajustes});
  F_visor->Muestra(Documentos);
}

// The pages as they stand now (their memos' texts, variables and drawings copied), laid out
// when asked for: fitting every answer to its box is most of the work.
TPaginasVisor TReporte::PaginasDiferidas() const
{
  QList<TPagina> paginas = F_paginas;
  for (TPagina& pagina : paginas)
    for (TMemo& memo : pagina.memos)
      memo.sTexto = F_textosMemo.value(memo.sNombre, memo.sTexto);
  return TPaginasVisor([paginas, Variables = F_variables, Dibujos = F_dibujos] {
    return TReportePreparado(paginas, Variables, Dibujos);
  });
}

TReportePreparado TReporte::Prepara() const
{
  return PaginasDiferidas().Preparadas();
}

bool TReporte::ExportaPDF(const QString& sRuta, QString& sError) const
{
  return ExportaPDF(sRuta, sError, {});
}

bool TReporte::ExportaPDF(const QString& sRuta, QString& sError, const TProgresoPDF& Progreso) const
{
  return EscribePDF(Prepara(), AjustesPDF(), sRuta, sError, Progreso);
}
