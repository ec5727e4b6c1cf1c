#include "Nombres.h"

namespace backoffice {

const QList<QString>& NombresPila()
{
  static const QList<QString> nombres = {
      "JOSE", "MARIA", "JUAN", "GUADALUPE", "FRANCISCO", "JUANA", "ANTONIO", "MARGARITA",
      "JESUS", "VERONICA", "MIGUEL ANGEL", "LETICIA", "PEDRO", "ROSA MARIA", "ALEJANDRO",
      "FRANCISCA", "MANUEL", "TERESA", "RICARDO", "PATRICIA", "FERNANDO", "ALEJANDRA", "JORGE",
      "ELIZABETH", "ROBERTO", "GABRIELA", "CARLOS", "ADRIANA", "EDUARDO", "CLAUDIA", "RAUL",
      "SILVIA", "JAVIER", "MARTHA", "ARTURO", "LAURA", "SERGIO", "ANA LAURA", "RAMON", "NORMA",
      "IÑAKI", "MONTSERRAT", "JOSE ÁNGEL", "MÓNICA", "RAÚL ANTONIO", "SOFÍA"};
  return nombres;
}

const QList<QString>& Apellidos()
{
  static const QList<QString> apellidos = {
      "HERNANDEZ", "GARCIA", "MARTINEZ", "LOPEZ", "GONZALEZ", "PEREZ", "RODRIGUEZ", "SANCHEZ",
      "RAMIREZ", "CRUZ", "FLORES", "GOMEZ", "MORALES", "VAZQUEZ", "REYES", "JIMENEZ", "TORRES",
      "DIAZ", "GUTIERREZ", "RUIZ", "MENDOZA", "AGUILAR", "ORTIZ", "MORENO", "CASTILLO", "ROMERO",
      "ALVAREZ", "MENDEZ", "CHAVEZ", "RIVERA", "JUAREZ", "RAMOS", "DOMINGUEZ", "HERRERA",
      "MEDINA", "CASTRO", "VARGAS", "GUZMAN", "VELAZQUEZ", "MUÑOZ", "PEÑA", "NUÑEZ", "ÁVILA",
      "GÜEMES", "DE LA O", "DEL RÍO"};
  return apellidos;
}

const QList<QString>& NombresExtranjeros()
{
  static const QList<QString> nombres = {
      "JOHN", "MICHAEL", "ROBERT", "JENNIFER", "LINDA", "DAVID", "SARAH", "JAMES", "EMILY",
      "PIERRE", "CLAIRE", "HANS", "GRETA", "GIUSEPPE", "GIULIA", "HIROSHI", "YUKI", "WEI",
      "OLIVIA", "LIAM", "CHLOE", "JEAN-LUC", "MARIE", "THOMAS", "EMMA"};
  return nombres;
}

const QList<QString>& ApellidosExtranjeros()
{
  static const QList<QString> apellidos = {
      "SMITH", "JOHNSON", "WILLIAMS", "BROWN", "JONES", "MILLER", "WILSON", "TAYLOR",
      "ANDERSON", "DUBOIS", "MARTIN", "MÜLLER", "SCHMIDT", "ROSSI", "BIANCHI", "TANAKA",
      "SUZUKI", "WANG", "LI", "O'BRIEN", "MACDONALD", "TREMBLAY", "ROY", "NOVAK", "KOWALSKI"};
  return apellidos;
}

const QList<QString>& GirosEmpresa()
{
  static const QList<QString> giros = {
      "COMERCIALIZADORA", "DISTRIBUIDORA", "IMPORTADORA", "EXPORTADORA", "CONSTRUCTORA",
      "SERVICIOS", "GRUPO", "INDUSTRIAS", "TRANSPORTES", "PROMOTORA", "INMOBILIARIA",
      "AGROPECUARIA", "CONSULTORES", "OPERADORA", "CORPORATIVO"};
  return giros;
}

const QList<QString>& NucleosEmpresa()
{
  static const QList<QString> nucleos = {
      "DEL BAJIO", "DEL NORTE", "DEL PACIFICO", "DEL GOLFO", "DEL SURESTE", "DE OCCIDENTE",
      "AZTECA", "MAYA", "SAN MIGUEL", "SANTA FE", "LAS AGUILAS", "EL ROBLE", "LA PAZ",
      "TRES RIOS", "PEÑA BLANCA", "MONTEALBÁN", "INTEGRAL", "GLOBAL", "UNIDOS", "HERMANOS LOPEZ"};
  return nucleos;
}

const QList<QString>& SociedadesMx()
{
  static const QList<QString> sociedades = {"S.A. DE C.V.", "S. DE R.L. DE C.V.", "S.C.",
                                            "S.A.P.I. DE C.V.", "S.A."};
  return sociedades;
}

const QList<QString>& SociedadesExtr()
{
  static const QList<QString> sociedades = {"LLC", "INC.", "LTD.", "GMBH", "S.A.R.L.", "CORP."};
  return sociedades;
}

}  // namespace backoffice
