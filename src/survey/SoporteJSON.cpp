#include "survey/Soporte.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

QJsonValue Numero(const QVariant& Valor)
{
  if (Valor.isNull())
    return QJsonValue::Null;
  bool bEntero = false;
  const qint64 nValor = Valor.toLongLong(&bEntero);
  if (bEntero && double(nValor) == Valor.toDouble())
    return QJsonValue(nValor);
  return QJsonValue(Valor.toDouble());
}

QJsonArray Textos(const QStringList& Lista)
{
  return QJsonArray::fromStringList(Lista);
}

QJsonObject Ranking(const TRankingSoporte& Ranking)
{
  QJsonArray Filas;
  for (const TFilaSoporte& fila : Ranking.Filas) {
    QJsonObject Fila{{"lugar", fila.nLugar},
                     {"valor", fila.sValor},
                     {"cifra", Numero(fila.Cifra)},
                     {"cifra_texto", fila.sCifra},
                     {"mostrada", fila.bMostrada},
                     {"empate", fila.bEmpate}};
    if (!fila.sGuardado.isEmpty())
      Fila.insert("guardado", fila.sGuardado);
    if (!Ranking.ColumnasExtra.isEmpty()) {
      QJsonObject Extras;
      for (int i = 0; i < Ranking.ColumnasExtra.size() && i < fila.Extras.size(); ++i)
        Extras.insert(Ranking.ColumnasExtra[i], fila.Extras[i]);
      Fila.insert("otras", Extras);
    }
    Filas.append(Fila);
  }
  QJsonArray Empates;
  for (const TEmpateSoporte& empate : Ranking.Empates)
    Empates.append(QJsonObject{{"cifra_texto", empate.sCifra},
                               {"valores", Textos(empate.Valores)},
                               {"mostrados", Textos(empate.Mostrados)},
                               {"explicacion", empate.sExplicacion}});
  QJsonObject Objeto{{"titulo", Ranking.sTitulo},
                     {"columna_valor", Ranking.sColumnaValor},
                     {"columna_cifra", Ranking.sColumnaCifra},
                     {"lugares_mostrados", Ranking.nMostrados},
                     {"es_ranking", Ranking.bOrdenado},
                     {"filas", Filas},
                     {"empates", Empates},
                     {"consultas", Textos(Ranking.Consultas)}};
  if (!Ranking.sNota.isEmpty())
    Objeto.insert("nota", Ranking.sNota);
  return Objeto;
}

QJsonObject Fuera(const TExclusionesSoporte& Fuera)
{
  QJsonArray Motivos;
  for (const TMotivoFuera& motivo : Fuera.Motivos)
    Motivos.append(QJsonObject{{"clave", motivo.sClave},
                               {"motivo", motivo.sMotivo},
                               {"descripcion", motivo.sDescripcion},
                               {"operaciones", motivo.nOperaciones},
                               {"publico_en_general", motivo.nPublico},
                               {"tipo_de_ejemplo", motivo.sTipoEjemplo},
                               {"ejemplos", Textos(motivo.Ejemplos)}});
  QJsonObject Objeto{{"periodo", Fuera.sPeriodo},
                     {"motivos", Motivos},
                     {"operaciones_distintas", Fuera.nDistintas},
                     {"consultas", Textos(Fuera.Consultas)}};
  if (!Fuera.sSinJoins.isEmpty())
    Objeto.insert("nada_queda_fuera", Fuera.sSinJoins);
  return Objeto;
}

QJsonArray Consultas(const QList<TConsultaSoporte>& Lista)
{
  QJsonArray Consultas;
  for (const TConsultaSoporte& consulta : Lista)
    Consultas.append(QJsonObject{{"id", consulta.sId}, {"descripcion", consulta.sDescripcion}, {"sql", consulta.sSQL}});
  return Consultas;
}

QJsonObject Corrida(const TSoporte& Soporte)
{
  const TCorridaSoporte& c = Soporte.Corrida;
  QJsonArray Archivos;
  for (const TArchivoSoporte& a : c.Archivos) {
    QJsonObject Archivo{{"rol", a.sRol},
                        {"carpeta", a.sCarpeta},
                        {"archivo", a.sRuta},
                        {"bytes", a.nBytes},
                        {"modificado", a.Modificado.toString(Qt::ISODate)},
                        {"sha256", a.sSha256}};
    if (!a.sError.isEmpty())
      Archivo.insert("error", a.sError);
    Archivos.append(Archivo);
  }
  QJsonArray Tablas;
  for (const TTablaLeida& t : c.Tablas)
    Tablas.append(QJsonObject{{"tabla", t.sTabla},
                              {"lineas", t.nLineas},
                              {"de_la_empresa", t.nDeLaEmpresa},
                              {"vigentes_de_la_empresa", t.nVigentes}});
  QJsonArray Localidades;
  for (int i = 0; i < c.Localidades.size(); ++i)
    Localidades.append(QJsonObject{{"lugar", i + 1},
                                   {"clave", c.ClavesLocalidades.value(i)},
                                   {"localidad", c.Localidades[i]}});
  return QJsonObject{{"fecha", c.Fecha.toString(Qt::ISODate)},
                     {"version", c.sVersion},
                     {"plataforma", c.sPlataforma},
                     {"usuario", c.sUsuario},
                     {"empresa", QJsonObject{{"numero", c.nEmpresa}, {"nombre", c.sEmpresa}}},
                     {"tipo_de_cambio", c.dTipoCambio},
                     {"localidades", Localidades},
                     {"back_offices", Archivos},
                     {"tablas_leidas", Tablas},
                     {"operaciones_desde_2011_11_01", c.nOperacionesDesde2011},
                     {"operaciones_2014", c.nOperaciones2014},
                     {"consultas", Consultas(Soporte.ConsultasCorrida)}};
}

}  // namespace

QByteArray SoporteComoJSON(const TSoporte& Soporte)
{
  QJsonArray Preguntas;
  for (const TSeccionSoporte& seccion : Soporte.Secciones) {
    QJsonArray Rankings;
    for (const TRankingSoporte& ranking : seccion.Rankings)
      Rankings.append(Ranking(ranking));
    Preguntas.append(QJsonObject{{"pregunta", seccion.sPregunta},
                                 {"titulo", seccion.sTitulo},
                                 {"rankings", Rankings},
                                 {"fuera", Fuera(seccion.Fuera)},
                                 {"notas", Textos(seccion.Notas)},
                                 {"consultas", Consultas(seccion.Consultas)}});
  }
  const QJsonObject Documento{{"documento", QStringLiteral("Soporte de las respuestas")},
                              {"corrida", Corrida(Soporte)},
                              {"operaciones_fuera_de_alguna_pregunta", Soporte.nFueraTotal},
                              {"avisos", Textos(Soporte.Avisos)},
                              {"preguntas", Preguntas}};
  return QJsonDocument(Documento).toJson(QJsonDocument::Indented);
}
