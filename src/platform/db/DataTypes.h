#pragma once

namespace db {

// ADO DataTypeEnum codes, as `Field::Type()` reports them and the record
// list filter groups them.
enum DataType : int {
    adEmpty = 0,
    adSmallInt = 2,
    adInteger = 3,
    adSingle = 4,
    adDouble = 5,
    adCurrency = 6,
    adDate = 7,
    adBoolean = 11,
    adTinyInt = 16,
    adUnsignedTinyInt = 17,
    adBigInt = 20,
    adGUID = 72,
    adBinary = 128,
    adNumeric = 131,
    adVarBinary = 204,
    adLongVarBinary = 205,
    adVarWChar = 202,
    adLongVarWChar = 203,
};

// ADO ObjectStateEnum.
enum class ObjectState { Closed = 0, Open = 1 };

} // namespace db
