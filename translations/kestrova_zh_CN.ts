<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>KTcpClient</name>
    <message>
        <source>Success!</source>
        <translation>成功！</translation>
    </message>
    <message>
        <source>Process Exception!</source>
        <translation>处理异常！</translation>
    </message>
    <message>
        <source>Receiving data failed!</source>
        <translation>接收数据失败！</translation>
    </message>
    <message>
        <source>The device is occupied!</source>
        <translation>设备被占用！</translation>
    </message>
    <message>
        <source>Space Not Enough!</source>
        <translation>空间不足！</translation>
    </message>
    <message>
        <source>File Not Found!</source>
        <translation>文件未找到！</translation>
    </message>
    <message>
        <source>Read File Fail!</source>
        <translation>读取文件失败！</translation>
    </message>
    <message>
        <source>System Error!</source>
        <translation>系统错误！</translation>
    </message>
    <message>
        <source>Remove File Fail!</source>
        <translation>删除文件失败！</translation>
    </message>
    <message>
        <source>Send Finish!</source>
        <translation>发送完成！</translation>
    </message>
    <message>
        <source>Create File Fail!</source>
        <translation>创建文件失败！</translation>
    </message>
    <message>
        <source>Write File Fail!</source>
        <translation>写入文件失败！</translation>
    </message>
    <message>
        <source>Close File Fail!</source>
        <translation>关闭文件失败！</translation>
    </message>
    <message>
        <source>New Object Fail!</source>
        <translation>创建对象失败！</translation>
    </message>
    <message>
        <source>Send Data Fail!</source>
        <translation>发送数据失败！</translation>
    </message>
    <message>
        <source>Connect the device failure!</source>
        <translation>连接设备失败！</translation>
    </message>
    <message>
        <source>Device is disconnected!</source>
        <translation>设备已断开！</translation>
    </message>
    <message>
        <source>Cancel Send!</source>
        <translation>取消发送！</translation>
    </message>
    <message>
        <source>Open File Fail!</source>
        <translation>打开文件失败！</translation>
    </message>
    <message>
        <source>Init Fail!</source>
        <translation>初始化失败！</translation>
    </message>
    <message>
        <source>Failure to set the time!</source>
        <translation>设置时间失败！</translation>
    </message>
    <message>
        <source>ID is not found in the list of devices!</source>
        <translation>设备列表中找不到该ID！</translation>
    </message>
    <message>
        <source>Upgrade Fail!</source>
        <translation>升级失败！</translation>
    </message>
    <message>
        <source>Parse Data Fail!</source>
        <translation>解析数据失败！</translation>
    </message>
    <message>
        <source>Version is too low!</source>
        <translation>版本过低！</translation>
    </message>
    <message>
        <source>Unzip the package fails!</source>
        <translation>解压升级包失败！</translation>
    </message>
    <message>
        <source>Upgrade package error!</source>
        <translation>升级包错误！</translation>
    </message>
    <message>
        <source>Unknow!</source>
        <translation>未知！</translation>
    </message>
</context>
<context>
    <name>Ky::KAnimPlugin::KAnimPlugin</name>
    <message>
        <source>Gif</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Select GIF Files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Warning</source>
        <translation type="unfinished">警告</translation>
    </message>
    <message>
        <source>%1 Don&apos;t Support the GIF Format!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Ky::KAnimPlugin::KGifClient</name>
    <message>
        <source>File Attribute</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File Path</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Width</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Height</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frames</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Duration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Effect</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Display</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hold</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>0.1S</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No Effect</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Random</source>
        <translation type="unfinished">随机</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation type="unfinished">警告</translation>
    </message>
    <message>
        <source>File %1 not found!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Ky::KAppConfig</name>
    <message>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
</context>
<context>
    <name>Ky::KBorderEdit</name>
    <message>
        <source>Border</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Multicolour</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Three-colour</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Single-colour</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Style:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pattern:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Colour:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Effect:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 px</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Ky::KColorButton</name>
    <message>
        <source>Select Color</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Ky::KControllerModels</name>
    <message>
        <source>Q741: two-port controller for small and medium signs; can be cascaded. Up to 655,360 pixels, 4096 pixels wide or 1024 high.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Q742: four-port controller with audio output; can be cascaded. Up to 1,310,720 pixels, 4096 pixels wide or 2048 high.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Q743: eight-port controller with audio output for large signs; can be cascaded. Up to 2,621,440 pixels, 4096 pixels wide or high.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>V7: single-port controller for strip signs. Pictures are scaled to the area before sending. Up to 196,608 pixels, 2048 wide or 256 high.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>N5: compact single-port controller. Pictures are scaled to the area before sending. Up to 131,072 pixels, 1024 wide or 512 high.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Ky::KEffectNode</name>
    <message>
        <source>Move Left</source>
        <translation>左移</translation>
    </message>
    <message>
        <source>Move Right</source>
        <translation>右移</translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation>上移</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>下移</translation>
    </message>
    <message>
        <source>Cover Left</source>
        <translation>左覆盖</translation>
    </message>
    <message>
        <source>Cover Right</source>
        <translation>右覆盖</translation>
    </message>
    <message>
        <source>Cover Up</source>
        <translation>上覆盖</translation>
    </message>
    <message>
        <source>Cover Down</source>
        <translation>下覆盖</translation>
    </message>
    <message>
        <source>Top Left Cover</source>
        <translation>左上覆盖</translation>
    </message>
    <message>
        <source>Bottom Left Covert</source>
        <translation>左下覆盖</translation>
    </message>
    <message>
        <source>Top Right Cover</source>
        <translation>右上覆盖</translation>
    </message>
    <message>
        <source>Bottom Right Cover</source>
        <translation>右下覆盖</translation>
    </message>
    <message>
        <source>Open From Middle</source>
        <translation>从中间展开</translation>
    </message>
    <message>
        <source>Up Down Open</source>
        <translation>上下展开</translation>
    </message>
    <message>
        <source>Close From Middle</source>
        <translation>向中间合拢</translation>
    </message>
    <message>
        <source>Up Down Close</source>
        <translation>上下合拢</translation>
    </message>
    <message>
        <source>Gradual Change</source>
        <translation>渐变</translation>
    </message>
    <message>
        <source>Horizontal Blinds</source>
        <translation>水平百叶窗</translation>
    </message>
    <message>
        <source>Vertical Blinds</source>
        <translation>垂直百叶窗</translation>
    </message>
    <message>
        <source>Random</source>
        <translation>随机</translation>
    </message>
    <message>
        <source>Immediate Show</source>
        <translation>立即显示</translation>
    </message>
    <message>
        <source>Immediate Clear</source>
        <translation>立即清除</translation>
    </message>
    <message>
        <source>Don&apos;t Clear Screen</source>
        <translation>不清屏</translation>
    </message>
</context>
<context>
    <name>Ky::KFrame</name>
    <message>
        <source>Rotate</source>
        <translation>旋转</translation>
    </message>
    <message>
        <source>Twinkle</source>
        <translation>闪烁</translation>
    </message>
    <message>
        <source>Static</source>
        <translation>静止</translation>
    </message>
</context>
<context>
    <name>Ky::KFramePanel</name>
    <message>
        <source> px</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Area</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lock size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>X:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Y:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Width:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Height:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opacity:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Ky::KFramePlugin</name>
    <message>
        <source>Area</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Ky::KImagePlugin::KImagePlugin</name>
    <message>
        <source>Photo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Warning</source>
        <translation type="unfinished">警告</translation>
    </message>
    <message>
        <source>Load [</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>] Failure! File is corrupted?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose Image File</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Ky::KImagePlugin::KPhotoClient</name>
    <message>
        <source>File Attribute</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File Path</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Width</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Height</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frames</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Duration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Effect</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Display</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hold</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>0.1S</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No Effect</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Random</source>
        <translation type="unfinished">随机</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation type="unfinished">警告</translation>
    </message>
    <message>
        <source>File %1 not found!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>KeepRatio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose Image File</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Ky::KModel</name>
    <message>
        <source>Warning</source>
        <translation type="unfinished">警告</translation>
    </message>
    <message>
        <source>Open %1 error!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing to generate.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No output directory.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot create the directory %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot clear the directory %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot write %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot read back %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The media file %1 was not written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot copy %1 under its digest.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Ky::KPlaceholderWindow</name>
    <message>
        <source>Warning</source>
        <translation type="unfinished">警告</translation>
    </message>
    <message>
        <source>%1 is running!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Ky::KScenePanel</name>
    <message>
        <source>Play</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play the areas a number of times</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play for a fixed time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> times</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mode:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play time:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Passes:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Background</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Colour</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Colour:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Picture:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opacity:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Schedule</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>to</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Thu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fri</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sun</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Only in these months</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Daily:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Weekdays:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select Background Picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pictures (*.png *.jpg *.jpeg *.bmp *.gif)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Ky::KScenePlugin</name>
    <message>
        <source>Program</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Ky::KScreenPlugin</name>
    <message>
        <source>Screen</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Ky::KXmlDataAccess</name>
    <message>
        <source>Warning</source>
        <translation type="unfinished">警告</translation>
    </message>
    <message>
        <source>Read [</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>] error! Insufficient permissions? Please try to run the program as an administrator</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not a project file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>damaged at line %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>] error! The file is damaged; only the part before the damage was read. Save the project under a new name to keep the original file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nothing to write</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write [</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the document could not be encoded</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>] error! The file could not be written completely; its previous content is kept.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(no type)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This project holds items of kinds that are not installed: %1. They are kept and saved back unchanged, but cannot be shown or edited.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
