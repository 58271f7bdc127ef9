<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="en">
    <context>
        <name>CCheckNew</name>
        <message>
            <source>Check for New Version</source>
            <translation>Check for New Version</translation>
        </message>
        <message>
            <source>This copy of Glimmerbox has no address to check for new versions.</source>
            <translation>This copy of Glimmerbox has no address to check for new versions.</translation>
        </message>
        <message>
            <source>Could not check for a new version: %1</source>
            <translation>Could not check for a new version: %1</translation>
        </message>
        <message>
            <source>Could not check for a new version: the answer was not understood.</source>
            <translation>Could not check for a new version: the answer was not understood.</translation>
        </message>
        <message>
            <source>A new version of Glimmerbox is available: %1.</source>
            <translation>A new version of Glimmerbox is available: %1.</translation>
        </message>
        <message>
            <source>Download it now</source>
            <translation>Download it now</translation>
        </message>
        <message>
            <source>You are using the latest version of Glimmerbox.</source>
            <translation>You are using the latest version of Glimmerbox.</translation>
        </message>
    </context>
    <context>
        <name>CDialogAbout</name>
        <message>
            <source>About Glimmerbox</source>
            <translation>About Glimmerbox</translation>
        </message>
        <message>
            <source>Copyright %1 Tarn&amp;Willow</source>
            <translation>Copyright %1 Tarn&amp;Willow</translation>
        </message>
        <message>
            <source>Version %1</source>
            <translation>Version %1</translation>
        </message>
    </context>
    <context>
        <name>CDialogGSWarning</name>
        <message>
            <source>Download GhostScript</source>
            <translation>Download GhostScript</translation>
        </message>
        <message>
            <source>Reading EPS and PDF documents needs Ghostscript.</source>
            <translation>Reading EPS and PDF documents needs Ghostscript.</translation>
        </message>
    </context>
    <context>
        <name>CDialogOverwrite</name>
        <message>
            <source>Yes</source>
            <translation>Yes</translation>
        </message>
        <message>
            <source>Yes to All</source>
            <translation>Yes to All</translation>
        </message>
        <message>
            <source>No</source>
            <translation>No</translation>
        </message>
        <message>
            <source>No to All</source>
            <translation>No to All</translation>
        </message>
        <message>
            <source>Rename</source>
            <translation>Rename</translation>
        </message>
        <message>
            <source>Abort</source>
            <translation>Abort</translation>
        </message>
        <message>
            <source>Image %1
already exists, do you want to overwrite it?</source>
            <translation>Image %1
already exists, do you want to overwrite it?</translation>
        </message>
        <message>
            <source>Size</source>
            <translation>Size</translation>
        </message>
    </context>
    <context>
        <name>CDialogOverwriteRename</name>
        <message>
            <source>Rename</source>
            <translation>Rename</translation>
        </message>
        <message>
            <source>New file name:</source>
            <translation>New file name:</translation>
        </message>
    </context>
    <context>
        <name>CDialogSaveProject</name>
        <message>
            <source>Would you like to save your settings as a profile before closing?</source>
            <translation>Would you like to save your settings as a profile before closing?</translation>
        </message>
        <message>
            <source>Don't ask me again</source>
            <translation>Don't ask me again</translation>
        </message>
        <message>
            <source>Yes</source>
            <translation>Yes</translation>
        </message>
        <message>
            <source>No</source>
            <translation>No</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Cancel</translation>
        </message>
    </context>
    <context>
        <name>CDialogSocial</name>
        <message>
            <source>Enjoying Glimmerbox? Tell your friends about it and follow us for news, tips and new versions.</source>
            <translation>Enjoying Glimmerbox? Tell your friends about it and follow us for news, tips and new versions.</translation>
        </message>
        <message>
            <source>Don't show this again</source>
            <translation>Don't show this again</translation>
        </message>
    </context>
    <context>
        <name>CDialogTip</name>
        <message>
            <source>Tip</source>
            <translation>Tip</translation>
        </message>
        <message>
            <source>Don't show this tip again</source>
            <translation>Don't show this tip again</translation>
        </message>
    </context>
    <context>
        <name>CMainPanel1</name>
        <message>
            <source>Step 1 - Add all the photos you want to edit</source>
            <translation>Step 1 - Add all the photos you want to edit</translation>
        </message>
    </context>
    <context>
        <name>CMainPanel2</name>
        <message>
            <source>Step 2 - Set the graphic filters that will be applied on all selected photos</source>
            <translation>Step 2 - Set the graphic filters that will be applied on all selected photos</translation>
        </message>
    </context>
    <context>
        <name>CMainPanel3</name>
        <message>
            <source>Step 3 - Select the output path and image format for the edited photos</source>
            <translation>Step 3 - Select the output path and image format for the edited photos</translation>
        </message>
        <message>
            <source>Select a folder for saving the resulting photos</source>
            <translation>Select a folder for saving the resulting photos</translation>
        </message>
    </context>
    <context>
        <name>CProcessController</name>
        <message>
            <source>Glimmerbox - Processing</source>
            <translation>Glimmerbox - Processing</translation>
        </message>
        <message>
            <source>Pause</source>
            <translation>Pause</translation>
        </message>
        <message>
            <source>OK</source>
            <translation>OK</translation>
        </message>
        <message>
            <source>Show log</source>
            <translation>Show log</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Cancel</translation>
        </message>
        <message>
            <source>Processing %1 images with %2 graphical filter(s) per image.</source>
            <translation>Processing %1 images with %2 graphical filter(s) per image.</translation>
        </message>
        <message>
            <source>Creating a single multi-page document.</source>
            <translation>Creating a single multi-page document.</translation>
        </message>
        <message>
            <source>System: %1 CPU core(s) detected.</source>
            <translation>System: %1 CPU core(s) detected.</translation>
        </message>
        <message>
            <source>Launching %1 thread(s) of execution.</source>
            <translation>Launching %1 thread(s) of execution.</translation>
        </message>
        <message>
            <source>Unknown destination %1: the photos are saved to the folder.</source>
            <translation>Unknown destination %1: the photos are saved to the folder.</translation>
        </message>
        <message>
            <source>Failed to load</source>
            <translation>Failed to load</translation>
        </message>
        <message>
            <source>Resume</source>
            <translation>Resume</translation>
        </message>
        <message>
            <source>Photo processing not completed. Abort the operation?</source>
            <translation>Photo processing not completed. Abort the operation?</translation>
        </message>
        <message>
            <source>Upload not completed. Abort the operation?</source>
            <translation>Upload not completed. Abort the operation?</translation>
        </message>
        <message>
            <source>Process interrupted by the user.</source>
            <translation>Process interrupted by the user.</translation>
        </message>
        <message>
            <source>Warning: Process completed with %1 errors. For details see the log above.</source>
            <translation>Warning: Process completed with %1 errors. For details see the log above.</translation>
        </message>
        <message>
            <source>Process completed without errors.</source>
            <translation>Process completed without errors.</translation>
        </message>
        <message>
            <source>Time elapsed</source>
            <translation>Time elapsed</translation>
        </message>
        <message>
            <source>Uploading to </source>
            <translation>Uploading to </translation>
        </message>
        <message>
            <source>Uploading</source>
            <translation>Uploading</translation>
        </message>
        <message>
            <source>Deleting temporary files...</source>
            <translation>Deleting temporary files...</translation>
        </message>
        <message>
            <source>Upload failed.</source>
            <translation>Upload failed.</translation>
        </message>
        <message>
            <source>Upload completed.</source>
            <translation>Upload completed.</translation>
        </message>
        <message>
            <source>Could not save log.</source>
            <translation>Could not save log.</translation>
        </message>
        <message>
            <source>Successfully uploaded %1 picture(s).<byte value="xd" />
            </source>
            <translation>Successfully uploaded %1 picture(s).</translation>
        </message>
    </context>
    <context>
        <name>CProcessThread</name>
        <message>
            <source>Failed to write</source>
            <translation>Failed to write</translation>
        </message>
        <message>
            <source>Keep original image format (if possible)</source>
            <translation>Keep original image format (if possible)</translation>
        </message>
        <message>
            <source>Failed to load</source>
            <translation>Failed to load</translation>
        </message>
        <message>
            <source>Failed to Rename and Move</source>
            <translation>Failed to Rename and Move</translation>
        </message>
        <message>
            <source>Failed to Rename and Copy</source>
            <translation>Failed to Rename and Copy</translation>
        </message>
        <message>
            <source>Failed to Move</source>
            <translation>Failed to Move</translation>
        </message>
        <message>
            <source>Failed to Copy</source>
            <translation>Failed to Copy</translation>
        </message>
        <message>
            <source>Failed to apply '%1' filter to</source>
            <translation>Failed to apply '%1' filter to</translation>
        </message>
        <message>
            <source>Processed</source>
            <translation>Processed</translation>
        </message>
        <message>
            <source>Processed and renamed</source>
            <translation>Processed and renamed</translation>
        </message>
        <message>
            <source>Processed and replaced</source>
            <translation>Processed and replaced</translation>
        </message>
        <message>
            <source>Skipped</source>
            <translation>Skipped</translation>
        </message>
    </context>
    <context>
        <name>MainWindow</name>
        <message>
            <source>Glimmerbox</source>
            <translation>Glimmerbox</translation>
        </message>
        <message>
            <source>&amp;File</source>
            <translation>&amp;File</translation>
        </message>
        <message>
            <source>&amp;Edit</source>
            <translation>&amp;Edit</translation>
        </message>
        <message>
            <source>&amp;View</source>
            <translation>&amp;View</translation>
        </message>
        <message>
            <source>Wi&amp;zard</source>
            <translation>Wi&amp;zard</translation>
        </message>
        <message>
            <source>&amp;Help</source>
            <translation>&amp;Help</translation>
        </message>
        <message>
            <source>&amp;Tutorials</source>
            <translation>&amp;Tutorials</translation>
        </message>
        <message>
            <source>&amp;New</source>
            <translation>&amp;New</translation>
        </message>
        <message>
            <source>Ctrl+N</source>
            <translation>Ctrl+N</translation>
        </message>
        <message>
            <source>&amp;Load Profile</source>
            <translation>&amp;Load Profile</translation>
        </message>
        <message>
            <source>Ctrl+L</source>
            <translation>Ctrl+L</translation>
        </message>
        <message>
            <source>Save Profile</source>
            <translation>Save Profile</translation>
        </message>
        <message>
            <source>Save Profile As</source>
            <translation>Save Profile As</translation>
        </message>
        <message>
            <source>Save Script</source>
            <translation>Save Script</translation>
        </message>
        <message>
            <source>Save Script As</source>
            <translation>Save Script As</translation>
        </message>
        <message>
            <source>E&amp;xit</source>
            <translation>E&amp;xit</translation>
        </message>
        <message>
            <source>&amp;Undo</source>
            <translation>&amp;Undo</translation>
        </message>
        <message>
            <source>Undo</source>
            <translation>Undo</translation>
        </message>
        <message>
            <source>Ctrl+Z</source>
            <translation>Ctrl+Z</translation>
        </message>
        <message>
            <source>&amp;Redo</source>
            <translation>&amp;Redo</translation>
        </message>
        <message>
            <source>Redo</source>
            <translation>Redo</translation>
        </message>
        <message>
            <source>Ctrl+Y</source>
            <translation>Ctrl+Y</translation>
        </message>
        <message>
            <source>&amp;Settings</source>
            <translation>&amp;Settings</translation>
        </message>
        <message>
            <source>Show &amp;Log</source>
            <translation>Show &amp;Log</translation>
        </message>
        <message>
            <source>Select Pr&amp;ofile</source>
            <translation>Select Pr&amp;ofile</translation>
        </message>
        <message>
            <source>Step 1 - Add &amp;Photos</source>
            <translation>Step 1 - Add &amp;Photos</translation>
        </message>
        <message>
            <source>Ctrl+1</source>
            <translation>Ctrl+1</translation>
        </message>
        <message>
            <source>Step 2 - Edit P&amp;hotos</source>
            <translation>Step 2 - Edit P&amp;hotos</translation>
        </message>
        <message>
            <source>Ctrl+2</source>
            <translation>Ctrl+2</translation>
        </message>
        <message>
            <source>Step 3 - &amp;Setup</source>
            <translation>Step 3 - &amp;Setup</translation>
        </message>
        <message>
            <source>Ctrl+3</source>
            <translation>Ctrl+3</translation>
        </message>
        <message>
            <source>Process</source>
            <translation>Process</translation>
        </message>
        <message>
            <source>Ctrl+P</source>
            <translation>Ctrl+P</translation>
        </message>
        <message>
            <source>&amp;Help Manual</source>
            <translation>&amp;Help Manual</translation>
        </message>
        <message>
            <source>How to &amp;Resize and Rotate Photos</source>
            <translation>How to &amp;Resize and Rotate Photos</translation>
        </message>
        <message>
            <source>Check for &amp;New Version</source>
            <translation>Check for &amp;New Version</translation>
        </message>
        <message>
            <source>&amp;Online Support</source>
            <translation>&amp;Online Support</translation>
        </message>
        <message>
            <source>&amp;Visit Our Web Site</source>
            <translation>&amp;Visit Our Web Site</translation>
        </message>
        <message>
            <source>&amp;About Us</source>
            <translation>&amp;About Us</translation>
        </message>
        <message>
            <source>Save Project &amp;As</source>
            <translation>Save Project &amp;As</translation>
        </message>
        <message>
            <source>Ctrl+Shift+S</source>
            <translation>Ctrl+Shift+S</translation>
        </message>
        <message>
            <source>&amp;Load Project</source>
            <translation>&amp;Load Project</translation>
        </message>
        <message>
            <source>&amp;Save Project</source>
            <translation>&amp;Save Project</translation>
        </message>
        <message>
            <source>&amp;Video Presentations</source>
            <translation>&amp;Video Presentations</translation>
        </message>
        <message>
            <source>How to &amp;Add Comments and Time to Photos</source>
            <translation>How to &amp;Add Comments and Time to Photos</translation>
        </message>
        <message>
            <source>&amp;Wizard Steps</source>
            <translation>&amp;Wizard Steps</translation>
        </message>
        <message>
            <source>&amp;English</source>
            <translation>&amp;English</translation>
        </message>
        <message>
            <source>&amp;Deutsch</source>
            <translation>&amp;Deutsch</translation>
        </message>
        <message>
            <source>&amp;Français</source>
            <translation>&amp;Français</translation>
        </message>
        <message>
            <source>&amp;Italiano</source>
            <translation>&amp;Italiano</translation>
        </message>
        <message>
            <source>&amp;Japanese</source>
            <translation>&amp;Japanese</translation>
        </message>
        <message>
            <source>Light</source>
            <translation>Light</translation>
        </message>
        <message>
            <source>Dark</source>
            <translation>Dark</translation>
        </message>
        <message>
            <source>You need to restart Glimmerbox for the changes to take effect.</source>
            <translation>You need to restart Glimmerbox for the changes to take effect.</translation>
        </message>
        <message>
            <source>Wizard Steps</source>
            <translation>Wizard Steps</translation>
        </message>
        <message>
            <source>Add Photos</source>
            <translation>Add Photos</translation>
        </message>
        <message>
            <source>Edit Photos</source>
            <translation>Edit Photos</translation>
        </message>
        <message>
            <source>Setup</source>
            <translation>Setup</translation>
        </message>
        <message>
            <source>Step 1 - Add all the photos you want to edit</source>
            <translation>Step 1 - Add all the photos you want to edit</translation>
        </message>
        <message>
            <source>Step 2 - Set the graphic filters that will be applied on all selected photos</source>
            <translation>Step 2 - Set the graphic filters that will be applied on all selected photos</translation>
        </message>
        <message>
            <source>Step 3 - Select the output path and image format for the edited photos</source>
            <translation>Step 3 - Select the output path and image format for the edited photos</translation>
        </message>
        <message>
            <source>When you are ready select Process to have all your photos edited</source>
            <translation>When you are ready select Process to have all your photos edited</translation>
        </message>
        <message>
            <source>Help</source>
            <translation>Help</translation>
        </message>
        <message>
            <source>Now just add your photos in Step 1 and optionally adjust the settings from Step 2 and Step 3 as you like.

When you are done select Process.</source>
            <translation>Now just add your photos in Step 1 and optionally adjust the settings from Step 2 and Step 3 as you like.

When you are done select Process.</translation>
        </message>
        <message>
            <source>Could not load profile.</source>
            <translation>Could not load profile.</translation>
        </message>
        <message>
            <source>Could not load script.</source>
            <translation>Could not load script.</translation>
        </message>
        <message>
            <source>There are no photos to process.</source>
            <translation>There are no photos to process.</translation>
        </message>
        <message>
            <source>Ready to process %1 photos?</source>
            <translation>Ready to process %1 photos?</translation>
        </message>
        <message>
            <source>An output folder, for the edited photos, needs to be selected before processing (Step 3 &gt; Destination &gt; Folder on My Computer)</source>
            <translation>An output folder, for the edited photos, needs to be selected before processing (Step 3 &gt; Destination &gt; Folder on My Computer)</translation>
        </message>
        <message>
            <source>The selected folder does not exist, do you want to create it now?</source>
            <translation>The selected folder does not exist, do you want to create it now?</translation>
        </message>
        <message>
            <source>The folder %1 could not be created.</source>
            <translation>The folder %1 could not be created.</translation>
        </message>
        <message>
            <source>You have selected to delete the source photos after writing the modified ones. Continue?</source>
            <translation>You have selected to delete the source photos after writing the modified ones. Continue?</translation>
        </message>
        <message>
            <source>Would you like to save your settings?</source>
            <translation>Would you like to save your settings?</translation>
        </message>
        <message>
            <source>Could not save profile.</source>
            <translation>Could not save profile.</translation>
        </message>
        <message>
            <source>Do you want to disable all notifications when running the script?</source>
            <translation>Do you want to disable all notifications when running the script?</translation>
        </message>
        <message>
            <source>Could not save script.</source>
            <translation>Could not save script.</translation>
        </message>
    </context>
    <context>
        <name>QObject</name>
        <message>
            <source>Marks</source>
            <translation>Marks</translation>
        </message>
        <message>
            <source>Border</source>
            <translation>Border</translation>
        </message>
        <message>
            <source>Transform</source>
            <translation>Transform</translation>
        </message>
        <message>
            <source>Text</source>
            <translation>Text</translation>
        </message>
        <message>
            <source>Logo</source>
            <translation>Logo</translation>
        </message>
        <message>
            <source>Mask</source>
            <translation>Mask</translation>
        </message>
        <message>
            <source>Shape Frame</source>
            <translation>Shape Frame</translation>
        </message>
        <message>
            <source>Grunge Frame</source>
            <translation>Grunge Frame</translation>
        </message>
        <message>
            <source>Picture Frame</source>
            <translation>Picture Frame</translation>
        </message>
        <message>
            <source>Vintage Frame</source>
            <translation>Vintage Frame</translation>
        </message>
        <message>
            <source>Raise</source>
            <translation>Raise</translation>
        </message>
        <message>
            <source>Shadow</source>
            <translation>Shadow</translation>
        </message>
        <message>
            <source>Simple Border</source>
            <translation>Simple Border</translation>
        </message>
        <message>
            <source>Auto Rotate</source>
            <translation>Auto Rotate</translation>
        </message>
        <message>
            <source>Crop</source>
            <translation>Crop</translation>
        </message>
        <message>
            <source>Resize</source>
            <translation>Resize</translation>
        </message>
        <message>
            <source>Rotate</source>
            <translation>Rotate</translation>
        </message>
        <message>
            <source>Annotates with a single or multi-line text comment</source>
            <translation>Annotates with a single or multi-line text comment</translation>
        </message>
        <message>
            <source>Stamps picture with date and time information</source>
            <translation>Stamps picture with date and time information</translation>
        </message>
        <message>
            <source>Adds a text copyright notice</source>
            <translation>Adds a text copyright notice</translation>
        </message>
        <message>
            <source>Adds a copyright logo</source>
            <translation>Adds a copyright logo</translation>
        </message>
        <message>
            <source>Adds a simple shaped frame</source>
            <translation>Adds a simple shaped frame</translation>
        </message>
        <message>
            <source>Adds a grunge frame</source>
            <translation>Adds a grunge frame</translation>
        </message>
        <message>
            <source>Adds different masks for portrait and landscape photos</source>
            <translation>Adds different masks for portrait and landscape photos</translation>
        </message>
        <message>
            <source>Adds a classic picture frame</source>
            <translation>Adds a classic picture frame</translation>
        </message>
        <message>
            <source>Adds a vintage frame</source>
            <translation>Adds a vintage frame</translation>
        </message>
        <message>
            <source>Creates a Polaroid-like picture frame</source>
            <translation>Creates a Polaroid-like picture frame</translation>
        </message>
        <message>
            <source>Lightens or darkens image edges to give a 3D raised or lowered effect</source>
            <translation>Lightens or darkens image edges to give a 3D raised or lowered effect</translation>
        </message>
        <message>
            <source>Gives picture a shadow effect around the edges</source>
            <translation>Gives picture a shadow effect around the edges</translation>
        </message>
        <message>
            <source>Adds a simple border around the picture</source>
            <translation>Adds a simple border around the picture</translation>
        </message>
        <message>
            <source>Makes picture hazy in appearance</source>
            <translation>Makes picture hazy in appearance</translation>
        </message>
        <message>
            <source>Transforms picture to a charcoal sketch</source>
            <translation>Transforms picture to a charcoal sketch</translation>
        </message>
        <message>
            <source>Highlights edges in picture</source>
            <translation>Highlights edges in picture</translation>
        </message>
        <message>
            <source>Highlights edges in picture with a 3D effect</source>
            <translation>Highlights edges in picture with a 3D effect</translation>
        </message>
        <message>
            <source>Makes picture hazy in appearance using the gaussian blur algorithm</source>
            <translation>Makes picture hazy in appearance using the gaussian blur algorithm</translation>
        </message>
        <message>
            <source>Transforms from true colors to grayscale colors</source>
            <translation>Transforms from true colors to grayscale colors</translation>
        </message>
        <message>
            <source>Creates an implosion effect in the center of the image</source>
            <translation>Creates an implosion effect in the center of the image</translation>
        </message>
        <message>
            <source>Replaces every pixel with its complementary color</source>
            <translation>Replaces every pixel with its complementary color</translation>
        </message>
        <message>
            <source>Adds noise to picture</source>
            <translation>Adds noise to picture</translation>
        </message>
        <message>
            <source>Makes picture look like an oil painting</source>
            <translation>Makes picture look like an oil painting</translation>
        </message>
        <message>
            <source>Makes picture look older, in warmer colors</source>
            <translation>Makes picture look older, in warmer colors</translation>
        </message>
        <message>
            <source>Makes picture look like the photographic film was exposed to light during the development process</source>
            <translation>Makes picture look like the photographic film was exposed to light during the development process</translation>
        </message>
        <message>
            <source>Makes picture look like a sculpture in grayscale or true colors</source>
            <translation>Makes picture look like a sculpture in grayscale or true colors</translation>
        </message>
        <message>
            <source>Makes picture blurry by spreading pixels randomly</source>
            <translation>Makes picture blurry by spreading pixels randomly</translation>
        </message>
        <message>
            <source>Creates a twisting motion</source>
            <translation>Creates a twisting motion</translation>
        </message>
        <message>
            <source>Creates a horizontal wave effect</source>
            <translation>Creates a horizontal wave effect</translation>
        </message>
        <message>
            <source>Automatically adjusts contrast</source>
            <translation>Automatically adjusts contrast</translation>
        </message>
        <message>
            <source>Automatically adjusts gamma level</source>
            <translation>Automatically adjusts gamma level</translation>
        </message>
        <message>
            <source>Automatically adjusts color levels</source>
            <translation>Automatically adjusts color levels</translation>
        </message>
        <message>
            <source>Adjusts light intensity</source>
            <translation>Adjusts light intensity</translation>
        </message>
        <message>
            <source>Enhances the intensity differences between the lighter and darker pixels</source>
            <translation>Enhances the intensity differences between the lighter and darker pixels</translation>
        </message>
        <message>
            <source>Adjusts the Red, Green and Blue color channels</source>
            <translation>Adjusts the Red, Green and Blue color channels</translation>
        </message>
        <message>
            <source>Applies a histogram equalization</source>
            <translation>Applies a histogram equalization</translation>
        </message>
        <message>
            <source>Corrects Hue, Saturation and Lightness</source>
            <translation>Corrects Hue, Saturation and Lightness</translation>
        </message>
        <message>
            <source>Adjusts levels by scaling the colors falling between specified white and black points to the full available quantum range</source>
            <translation>Adjusts levels by scaling the colors falling between specified white and black points to the full available quantum range</translation>
        </message>
        <message>
            <source>Reduces noise caused by poor lighting conditions or mobile digital cameras</source>
            <translation>Reduces noise caused by poor lighting conditions or mobile digital cameras</translation>
        </message>
        <message>
            <source>Sharpens picture by enhancing edge contrast</source>
            <translation>Sharpens picture by enhancing edge contrast</translation>
        </message>
        <message>
            <source>Uses Radius and Threshold options to sharpen picture</source>
            <translation>Uses Radius and Threshold options to sharpen picture</translation>
        </message>
        <message>
            <source>Automatically rotates photos based on the information embedded by the digital camera</source>
            <translation>Automatically rotates photos based on the information embedded by the digital camera</translation>
        </message>
        <message>
            <source>Automatically crops the image according to a specified aspect ratio</source>
            <translation>Automatically crops the image according to a specified aspect ratio</translation>
        </message>
        <message>
            <source>Replaces a RGB color or the Alpha channel</source>
            <translation>Replaces a RGB color or the Alpha channel</translation>
        </message>
        <message>
            <source>Cuts a rectangular subregion from the image</source>
            <translation>Cuts a rectangular subregion from the image</translation>
        </message>
        <message>
            <source>Flips picture in vertical and/or horizontal direction</source>
            <translation>Flips picture in vertical and/or horizontal direction</translation>
        </message>
        <message>
            <source>Adjusts image size using pixels or percents</source>
            <translation>Adjusts image size using pixels or percents</translation>
        </message>
        <message>
            <source>Adjusts document size and DPI resolution</source>
            <translation>Adjusts document size and DPI resolution</translation>
        </message>
        <message>
            <source>Rolls vertically or horizontally by a specified number of pixels</source>
            <translation>Rolls vertically or horizontally by a specified number of pixels</translation>
        </message>
        <message>
            <source>Rotates by a specified number of degrees</source>
            <translation>Rotates by a specified number of degrees</translation>
        </message>
        <message>
            <source>Creates a small thumbnail from the picture</source>
            <translation>Creates a small thumbnail from the picture</translation>
        </message>
        <message>
            <source>Keep original image format (if possible)</source>
            <translation>Keep original image format (if possible)</translation>
        </message>
        <message>
            <source>The project was created with a different program version so it may not be correctly imported.
In order to correct any potential problems adjust the settings and save.</source>
            <translation>The project was created with a different program version so it may not be correctly imported.
In order to correct any potential problems adjust the settings and save.</translation>
        </message>
        <message>
            <source>Auto Gamma</source>
            <translation>Auto Gamma</translation>
        </message>
        <message>
            <source>Convert to JPEG with High Quality</source>
            <translation>Convert to JPEG with High Quality</translation>
        </message>
        <message>
            <source>Convert to JPEG file format with high quality (90%) which will result in larger file sizes.</source>
            <translation>Convert to JPEG file format with high quality (90%) which will result in larger file sizes.</translation>
        </message>
        <message>
            <source>Convert to JPEG with Medium Quality</source>
            <translation>Convert to JPEG with Medium Quality</translation>
        </message>
        <message>
            <source>Convert to JPEG file format with medium quality (75%) which will result in medium file sizes.</source>
            <translation>Convert to JPEG file format with medium quality (75%) which will result in medium file sizes.</translation>
        </message>
        <message>
            <source>Convert to PDF Album</source>
            <translation>Convert to PDF Album</translation>
        </message>
        <message>
            <source>Create a single PDF album from all the photos added</source>
            <translation>Create a single PDF album from all the photos added</translation>
        </message>
        <message>
            <source>Convert to PNG</source>
            <translation>Convert to PNG</translation>
        </message>
        <message>
            <source>Convert to PNG file format for the best quality.</source>
            <translation>Convert to PNG file format for the best quality.</translation>
        </message>
        <message>
            <source>Convert to TIFF</source>
            <translation>Convert to TIFF</translation>
        </message>
        <message>
            <source>Convert to TIFF file format for the best quality.</source>
            <translation>Convert to TIFF file format for the best quality.</translation>
        </message>
        <message>
            <source>Auto Contrast</source>
            <translation>Auto Contrast</translation>
        </message>
        <message>
            <source>Add Date and Time</source>
            <translation>Add Date and Time</translation>
        </message>
        <message>
            <source>Reduce Noise</source>
            <translation>Reduce Noise</translation>
        </message>
        <message>
            <source>Adjust Sharpness</source>
            <translation>Adjust Sharpness</translation>
        </message>
        <message>
            <source>Effect Black &amp; White</source>
            <translation>Effect Black &amp; White</translation>
        </message>
        <message>
            <source>Effect Charcoal</source>
            <translation>Effect Charcoal</translation>
        </message>
        <message>
            <source>Effect Implode</source>
            <translation>Effect Implode</translation>
        </message>
        <message>
            <source>Effect Oil Painting</source>
            <translation>Effect Oil Painting</translation>
        </message>
        <message>
            <source>Effect Raise</source>
            <translation>Effect Raise</translation>
        </message>
        <message>
            <source>Effect Sepia</source>
            <translation>Effect Sepia</translation>
        </message>
        <message>
            <source>Effect Shade</source>
            <translation>Effect Shade</translation>
        </message>
        <message>
            <source>Effect Spread</source>
            <translation>Effect Spread</translation>
        </message>
        <message>
            <source>Effect Swirl</source>
            <translation>Effect Swirl</translation>
        </message>
        <message>
            <source>Effect Wave</source>
            <translation>Effect Wave</translation>
        </message>
        <message>
            <source>Rename to Folder's Name</source>
            <translation>Rename to Folder's Name</translation>
        </message>
        <message>
            <source>If photos are organized into a folder with a meaningful name, this profile will rename all contained pictures to the folder's name</source>
            <translation>If photos are organized into a folder with a meaningful name, this profile will rename all contained pictures to the folder's name</translation>
        </message>
        <message>
            <source>Rename to Photo's Date</source>
            <translation>Rename to Photo's Date</translation>
        </message>
        <message>
            <source>Change the names for a set of photos to the original dates when they were taken and also adds a counter to differentiate between photos taken at the same time</source>
            <translation>Change the names for a set of photos to the original dates when they were taken and also adds a counter to differentiate between photos taken at the same time</translation>
        </message>
        <message>
            <source>Resize for Auction Site</source>
            <translation>Resize for Auction Site</translation>
        </message>
        <message>
            <source>Make photos very small (400x300) for uploading to auction sites like eBay</source>
            <translation>Make photos very small (400x300) for uploading to auction sites like eBay</translation>
        </message>
        <message>
            <source>Resize for Sending via Email</source>
            <translation>Resize for Sending via Email</translation>
        </message>
        <message>
            <source>Make photos smaller (1280x960) for sending as attachment via email</source>
            <translation>Make photos smaller (1280x960) for sending as attachment via email</translation>
        </message>
        <message>
            <source>Resize for Uploading Online</source>
            <translation>Resize for Uploading Online</translation>
        </message>
        <message>
            <source>Make photos smaller (1600x1200) for uploading online to sites like Facebook, Picasa, or for sharing with friends</source>
            <translation>Make photos smaller (1600x1200) for uploading online to sites like Facebook, Picasa, or for sharing with friends</translation>
        </message>
        <message>
            <source>Send via E-mail</source>
            <translation>Send via E-mail</translation>
        </message>
        <message>
            <source>Send photos via E-mail</source>
            <translation>Send photos via E-mail</translation>
        </message>
        <message>
            <source>Upload to Twitpic</source>
            <translation>Upload to Twitpic</translation>
        </message>
        <message>
            <source>Upload photos to Twitpic</source>
            <translation>Upload photos to Twitpic</translation>
        </message>
        <message>
            <source>Upload to Picasa</source>
            <translation>Upload to Picasa</translation>
        </message>
        <message>
            <source>Upload photos to Picasa</source>
            <translation>Upload photos to Picasa</translation>
        </message>
        <message>
            <source>Upload to Facebook</source>
            <translation>Upload to Facebook</translation>
        </message>
        <message>
            <source>Upload photos to Facebook</source>
            <translation>Upload photos to Facebook</translation>
        </message>
    </context>
</TS>
