#pragma once

class MaterialWriter;

// One function per practice screen's folder.
void generateFormulaMaterial(MaterialWriter& out);
void generateCoefficientMaterial(MaterialWriter& out);
void generateMoleMaterial(MaterialWriter& out);
void generateReactionMaterial(MaterialWriter& out);
