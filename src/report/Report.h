#pragma once
// The report page model: report object, bands and elements, and their composition.
