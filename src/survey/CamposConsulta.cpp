#include "survey/CamposConsulta.h"

#include "ado/ConsultaADO.h"
#include "survey/FormatoNumeros.h"

QString DameTexto(const ado::TConsultaADO& qConsulta, const QString& sCampo) {
  const QVariant valor = qConsulta.FieldByName(sCampo);
  return valor.isNull() ? QString() : valor.toString();
}

QString DameNumero(const ado::TConsultaADO& qConsulta, const QString& sCampo, QString (*fnFormato)(double)) {
  const QVariant valor = qConsulta.FieldByName(sCampo);
  return valor.isNull() ? QString() : fnFormato(valor.toDouble());
}

void RecorreLugares(ado::TConsultaADO& qConsulta, int nLugares,
                    const std::function<void(int nCont, bool bHayFila)>& Lugar)
{
  const int nContReg = qConsulta.RecordCount();
  qConsulta.First();
  for (int nCont = 1; nCont <= nLugares; ++nCont) {
    const bool bHayFila = nCont <= nContReg;
    Lugar(nCont, bHayFila);
    if (bHayFila)
      qConsulta.Next();
  }
}

QString ClaveSimbolo(const QVariant& Simbolo)
{
  return Simbolo.isNull() ? QStringLiteral("\x01") : Simbolo.toString().toCaseFolded();
}

QMap<QString, QString> PesosPorSimbolo(ado::TConsultaADO& qConsulta)
{
  QMap<QString, QString> Pesos;
  for (qConsulta.First(); !qConsulta.Eof(); qConsulta.Next())
    Pesos.insert(ClaveSimbolo(qConsulta.FieldByName(QStringLiteral("Simbolo"))),
                 DameNumero(qConsulta, QStringLiteral("TotalImporte"), FormatoDosDecimales));
  return Pesos;
}

TFilaSoporte FilaSoporte(const ado::TConsultaADO& qConsulta, const QString& sValor, const QString& sCampo,
                         QString (*fnFormato)(double))
{
  TFilaSoporte fila;
  fila.sValor = sValor;
  fila.Cifra = qConsulta.FieldByName(sCampo);
  fila.sCifra = DameNumero(qConsulta, sCampo, fnFormato);
  return fila;
}
