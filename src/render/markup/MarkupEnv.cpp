#include "render/markup/MarkupEnv.h"

#include "document/Project.h"

namespace tarlix {

MarkupEnv markupEnvOf(const Project& project, ParameterValues& values) {
    copyToEvaluator(project.parameters, values);
    return MarkupEnv{project.engine, project, values, {}};
}

} // namespace tarlix
