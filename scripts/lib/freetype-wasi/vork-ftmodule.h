/* What the game's TrueType face needs: its driver, the SFNT tables it is
   read from and the anti-aliasing renderer. No autohinter: the face carries
   its own hinting, which FreeType prefers, as the desktop's library does. */
FT_USE_MODULE( FT_Driver_ClassRec, tt_driver_class )
FT_USE_MODULE( FT_Module_Class, sfnt_module_class )
FT_USE_MODULE( FT_Renderer_Class, ft_smooth_renderer_class )
