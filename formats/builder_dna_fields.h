// The fields of BuilderDna that hold DNA keys, one row each, in record order: the fifty-five
// keys the builder reads, each a field named like the key with the builder's own stored
// type. This list declares those fields (builder_dna.h) and the builder's key table
// (builder_dna.cpp). Included once per use, with this row macro defined (the list undefines
// it at its end):
//
//   KEY(type, name, read)  how the value line is read (DnaValue: Integer, Float, Text); the
//                          value is stored with the field's type
//
// Every field starts at zero or empty. No include guard: the list is included several times.

KEY(float, worldFTileRotate, Float)
KEY(std::int8_t, worldFTileCollision, Integer)
KEY(std::int32_t, worldFTileFollow, Integer)
KEY(std::int8_t, worldFTileEmitter, Integer)
KEY(std::int32_t, worldFTileTransparency, Integer)
KEY(std::int8_t, worldFTileTouchMove, Integer)
KEY(std::int8_t, worldFTileGOBACK, Integer)
KEY(std::int32_t, worldFTileTouchTransparency, Integer)
KEY(std::int32_t, worldFTilePlayerID, Integer)
KEY(float, worldFTileExpansionValue, Float)
KEY(std::int32_t, worldFTileCollisionEmitter, Integer)
KEY(float, worldFStretch, Integer)
KEY(std::int32_t, worldFTileMove, Integer)
KEY(float, worldFTileVELO, Float)
KEY(std::int32_t, worldFTilePlayerMOVE, Integer)
KEY(std::int8_t, worldFTilePLINKI, Integer)
KEY(float, worldFTileGravity, Float)
KEY(float, worldFTileScrollH, Float)
KEY(std::int32_t, worldFTileDynamicScrollH, Float)
KEY(std::int8_t, worldFTileCollisionDestroy, Integer)
KEY(float, worldFTileLaunch, Integer)
KEY(float, worldFTileGlobalGravity, Integer)
KEY(std::int32_t, worldFTileFollowObject, Integer)
KEY(float, worldFTileMoveV, Float)
KEY(float, worldFTileMoveH, Float)
KEY(std::int32_t, worldFTileIsEMUMousePointer, Integer)
KEY(std::int32_t, worldFTileIsHWMousePointer, Integer)
KEY(std::int32_t, worldFTileTouchRotate, Integer)
KEY(std::int8_t, useLayerScroll, Integer)
KEY(float, worldGlobalScrollH, Float)
KEY(float, worldGlobalScrollV, Float)
KEY(float, worldFTileShadow, Integer)
KEY(std::int8_t, worldFTileTransport, Integer)
KEY(std::int8_t, worldFTileReflection, Integer)
KEY(std::int32_t, worldFTileFlire, Integer)
KEY(std::string, worldFTileID, Text)
KEY(std::int32_t, hp, Integer)
KEY(std::string, useWeapon, Text)
KEY(float, worldFTileShadowOffsetX, Integer)
KEY(float, worldFTileShadowOffsetY, Integer)
KEY(float, worldFTileShadowZoom, Integer)
KEY(std::int8_t, worldFTileNoStopOnCollision, Integer)
KEY(std::string, postEFFECT, Text)
KEY(std::int8_t, worldFTileLoopH, Integer)
KEY(std::int8_t, worldFTileLoopV, Integer)
KEY(float, worldFTileParableV, Float)
KEY(float, worldFTileParableH, Float)
KEY(float, worldFTileBounceTopDown, Float)
KEY(std::int8_t, worldFTileDoCrushH, Float)
KEY(float, worldFTileCollisionSize, Float)
KEY(float, worldFTileSuperRotate, Float)
KEY(float, worldFTileLook, Float)
KEY(float, worldFTileLookAngle, Float)
KEY(std::int8_t, worldFTilePattern, Integer)
KEY(std::string, geneseID, Text)

#undef KEY
