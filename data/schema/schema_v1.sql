-- Version 1 of the database: every table of the program.
-- Conventions: money and 2-place rates are FIXED2 (an integer count of hundredths), the daily
-- index is FIXED4 (ten-thousandths); dates are DATE holding ISO text "yyyy-mm-dd".
-- The taxpayer's password column arrives with version 2.

CREATE TABLE CMD (
    CMD_ID INTEGER PRIMARY KEY AUTOINCREMENT,
    CMD_Contribuyente TEXT(100),
    CMD_Domicilio TEXT(100),
    CMD_Te TEXT(50),
    CMD_NumRef TEXT(50),
    CMD_NumAgenteRetencion TEXT(6),
    CMD_NumAgentePercepcion TEXT(6)
);

CREATE TABLE Indices (
    Fecha DATE NOT NULL,
    Indice FIXED4 NOT NULL,
    Tasa FIXED2 NOT NULL
);
CREATE UNIQUE INDEX Indices_Fecha ON Indices (Fecha);

CREATE TABLE Form_Cp01 (
    CP01_ID INTEGER PRIMARY KEY AUTOINCREMENT,
    CMD_ID INTEGER NOT NULL REFERENCES CMD (CMD_ID) ON DELETE CASCADE,
    CP01_Tramite TEXT(60),
    CP01_Contribuyente TEXT(100),
    CP01_CUIT TEXT(13),
    CP01_IngBrut TEXT(13),
    CP01_FechaPres DATE,
    CP01_FormCP01 INTEGER
);
CREATE INDEX Form_Cp01_CMD_ID ON Form_Cp01 (CMD_ID);
