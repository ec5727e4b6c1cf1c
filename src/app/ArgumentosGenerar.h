#pragma once

#include <QString>
#include <QStringList>

#include <optional>

class TTablaMemoria;

// What `generar` was given, as typed.
struct TArgumentosGenerar {
  QString sCarpeta;
  std::optional<QString> sUsuario;
  QString sPassword;
  QString sTipoCambio = QStringLiteral("13.29");
  QStringList Claves;  // locality keys, highest risk first
  QStringList Sucursales;  // roots of the branches consolidated with sCarpeta
  QString sPdf;
  QString sJson;
  QStringList Soportes;  // the support of the answers: one .pdf, one .json
  QString sCatalogo;  // a locality catalogue file instead of the compiled-in one
  bool bForzarTipoCambio = false;  // a rate far from the suggested one is meant
  bool bAyuda = false;
};

// Parses the arguments after "localidades": the way in of "generar"
// (--carpeta, --usuario, --password) and nothing about the report.
std::optional<QString> LeeArgumentosLocalidades(const QStringList& Argumentos,
                                                TArgumentosGenerar& Args);

// Parses the arguments after "generar". Returns the Spanish message of the
// first problem, or nothing when the arguments are well formed.
std::optional<QString> LeeArgumentosGenerar(const QStringList& Argumentos,
                                            TArgumentosGenerar& Args);

// Checks that do not need the back office: output folders, the rate (a number
// above zero, no grouping separators), five distinct known locality keys, no back
// office named twice.
std::optional<QString> RevisaArgumentosGenerar(const TArgumentosGenerar& Args,
                                               const TTablaMemoria& vLocalidades);

// "pdf" or "json" by the path's ending (any letter case); empty for neither.
QString FormatoSoporte(const QString& sRuta);

// The back offices of one run, the head office's folder and its branches': the message
// naming the first folder that names the same place as an earlier one, compared once
// resolved (it would count twice); nothing when all differ.
std::optional<QString> RevisaCarpetasRepetidas(const QString& sCarpeta, const QStringList& Sucursales);
