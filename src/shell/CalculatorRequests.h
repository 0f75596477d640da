#pragma once
// What the data panel asks of the calculator for each category: which object it edits, its
// label and text, and how sending stores the text through the document's operations.

#include "document/PanelRows.h"
#include "shell/CalculatorWindow.h"

#include <functional>
#include <optional>

namespace tarlix {

// The request for object n of the panel, or for a new object (n = 0: the first free slot).
// Nothing for a category that the calculator does not edit, or when no slot is free.
std::optional<CalculatorRequest> calculatorRequest(const std::function<Document&()>& context,
                                                   CategoryPanel panel, int n);

// A numeric field or a parameter: sending evaluates the text with x undefined and hands over
// the value and its text in general format; a text without a real value is refused with
// "Tipo de número invalido".
CalculatorRequest numberRequest(const std::function<Document&()>& context, const QString& label,
                                const std::string& text,
                                std::function<void(Extended value, const std::string& text)> store);

} // namespace tarlix
