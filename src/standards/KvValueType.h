#pragma once

// The value type of a standards-spreadsheet variable, as its declaration keyword gives it.
enum class KvValueType : int { Int = 0, Double = 1, String = 2 };

// Int and Double travel as numbers; only String is text.
inline bool isNumeric(KvValueType type) {
    return type == KvValueType::Int || type == KvValueType::Double;
}

// The declaration keyword of the type, as a standards spreadsheet writes it.
inline const char* declarationKeyword(KvValueType type) {
    switch (type) {
        case KvValueType::Int:
            return "Int";
        case KvValueType::Double:
            return "Double";
        case KvValueType::String:
            break;
    }
    return "String";
}
