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
        <translation>动画</translation>
    </message>
    <message>
        <source>Please Select GIF Files</source>
        <translation>请选择GIF文件</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>%1 Don&apos;t Support the GIF Format!</source>
        <translation>%1 不是受支持的GIF格式！</translation>
    </message>
</context>
<context>
    <name>Ky::KAnimPlugin::KGifClient</name>
    <message>
        <source>File Attribute</source>
        <translation>文件属性</translation>
    </message>
    <message>
        <source>File Path</source>
        <translation>文件路径</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>宽度</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>高度</translation>
    </message>
    <message>
        <source>Frames</source>
        <translation>帧数</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>时长</translation>
    </message>
    <message>
        <source>Effect</source>
        <translation>特效</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>显示</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>清除</translation>
    </message>
    <message>
        <source>Hold</source>
        <translation>停留时间</translation>
    </message>
    <message>
        <source>0.1S</source>
        <translation>0.1秒</translation>
    </message>
    <message>
        <source>No Effect</source>
        <translation>无特效</translation>
    </message>
    <message>
        <source>Random</source>
        <translation>随机</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>File %1 not found!</source>
        <translation>文件 %1 未找到！</translation>
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
        <translation>边框</translation>
    </message>
    <message>
        <source>Multicolour</source>
        <translation>多色</translation>
    </message>
    <message>
        <source>Three-colour</source>
        <translation>三色</translation>
    </message>
    <message>
        <source>Single-colour</source>
        <translation>单色</translation>
    </message>
    <message>
        <source>Style:</source>
        <translation>样式：</translation>
    </message>
    <message>
        <source>Pattern:</source>
        <translation>图案：</translation>
    </message>
    <message>
        <source>Colour:</source>
        <translation>颜色：</translation>
    </message>
    <message>
        <source>Effect:</source>
        <translation>特效：</translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation>速度：</translation>
    </message>
    <message>
        <source>%1 px</source>
        <translation>%1 px</translation>
    </message>
</context>
<context>
    <name>Ky::KColorButton</name>
    <message>
        <source>Select Color</source>
        <translation>选择颜色</translation>
    </message>
</context>
<context>
    <name>Ky::KControllerModels</name>
    <message>
        <source>Q741: two-port controller for small and medium signs; can be cascaded. Up to 655,360 pixels, 4096 pixels wide or 1024 high.</source>
        <translation>Q741：双端口控制卡，适用于中小型显示屏，支持级联。最大带载 655,360 像素，最宽 4096 像素或最高 1024 像素。</translation>
    </message>
    <message>
        <source>Q742: four-port controller with audio output; can be cascaded. Up to 1,310,720 pixels, 4096 pixels wide or 2048 high.</source>
        <translation>Q742：四端口控制卡，带音频输出，支持级联。最大带载 1,310,720 像素，最宽 4096 像素或最高 2048 像素。</translation>
    </message>
    <message>
        <source>Q743: eight-port controller with audio output for large signs; can be cascaded. Up to 2,621,440 pixels, 4096 pixels wide or high.</source>
        <translation>Q743：八端口控制卡，带音频输出，适用于大型显示屏，支持级联。最大带载 2,621,440 像素，最宽或最高 4096 像素。</translation>
    </message>
    <message>
        <source>V7: single-port controller for strip signs. Pictures are scaled to the area before sending. Up to 196,608 pixels, 2048 wide or 256 high.</source>
        <translation>V7：单端口控制卡，适用于条形屏。图片在发送前缩放至区域大小。最大带载 196,608 像素，最宽 2048 像素或最高 256 像素。</translation>
    </message>
    <message>
        <source>N5: compact single-port controller. Pictures are scaled to the area before sending. Up to 131,072 pixels, 1024 wide or 512 high.</source>
        <translation>N5：小型单端口控制卡。图片在发送前缩放至区域大小。最大带载 131,072 像素，最宽 1024 像素或最高 512 像素。</translation>
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
        <translation> px</translation>
    </message>
    <message>
        <source>Area</source>
        <translation>区域</translation>
    </message>
    <message>
        <source>Lock size</source>
        <translation>锁定大小</translation>
    </message>
    <message>
        <source>X:</source>
        <translation>X：</translation>
    </message>
    <message>
        <source>Y:</source>
        <translation>Y：</translation>
    </message>
    <message>
        <source>Width:</source>
        <translation>宽度：</translation>
    </message>
    <message>
        <source>Height:</source>
        <translation>高度：</translation>
    </message>
    <message>
        <source>Opacity:</source>
        <translation>不透明度：</translation>
    </message>
</context>
<context>
    <name>Ky::KFramePlugin</name>
    <message>
        <source>Area</source>
        <translation>区域</translation>
    </message>
</context>
<context>
    <name>Ky::KImagePlugin::KImagePlugin</name>
    <message>
        <source>Photo</source>
        <translation>图片</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>Load [</source>
        <translation>加载 [</translation>
    </message>
    <message>
        <source>] Failure! File is corrupted?</source>
        <translation>] 失败！文件是否已损坏？</translation>
    </message>
    <message>
        <source>Choose Image File</source>
        <translation>选择图片文件</translation>
    </message>
</context>
<context>
    <name>Ky::KImagePlugin::KPhotoClient</name>
    <message>
        <source>File Attribute</source>
        <translation>文件属性</translation>
    </message>
    <message>
        <source>File Path</source>
        <translation>文件路径</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>宽度</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>高度</translation>
    </message>
    <message>
        <source>Frames</source>
        <translation>帧数</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>时长</translation>
    </message>
    <message>
        <source>Effect</source>
        <translation>特效</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>显示</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>清除</translation>
    </message>
    <message>
        <source>Hold</source>
        <translation>停留时间</translation>
    </message>
    <message>
        <source>0.1S</source>
        <translation>0.1秒</translation>
    </message>
    <message>
        <source>No Effect</source>
        <translation>无特效</translation>
    </message>
    <message>
        <source>Random</source>
        <translation>随机</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>File %1 not found!</source>
        <translation>文件 %1 未找到！</translation>
    </message>
    <message>
        <source>Choose</source>
        <translation>选择</translation>
    </message>
    <message>
        <source>KeepRatio</source>
        <translation>保持比例</translation>
    </message>
    <message>
        <source>Choose Image File</source>
        <translation>选择图片文件</translation>
    </message>
</context>
<context>
    <name>Ky::KModel</name>
    <message>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>Open %1 error!</source>
        <translation>打开 %1 出错！</translation>
    </message>
    <message>
        <source>Nothing to generate.</source>
        <translation>没有可生成的内容。</translation>
    </message>
    <message>
        <source>No output directory.</source>
        <translation>未指定输出目录。</translation>
    </message>
    <message>
        <source>Cannot create the directory %1.</source>
        <translation>无法创建目录 %1。</translation>
    </message>
    <message>
        <source>Cannot clear the directory %1.</source>
        <translation>无法清空目录 %1。</translation>
    </message>
    <message>
        <source>Cannot write %1.</source>
        <translation>无法写入 %1。</translation>
    </message>
    <message>
        <source>Cannot read back %1.</source>
        <translation>无法回读 %1。</translation>
    </message>
    <message>
        <source>The media file %1 was not written.</source>
        <translation>媒体文件 %1 未写入。</translation>
    </message>
    <message>
        <source>Cannot copy %1 under its digest.</source>
        <translation>无法以摘要名复制 %1。</translation>
    </message>
</context>
<context>
    <name>Ky::KPlaceholderWindow</name>
    <message>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>%1 is running!</source>
        <translation>%1 正在运行！</translation>
    </message>
</context>
<context>
    <name>Ky::KScenePanel</name>
    <message>
        <source>Play</source>
        <translation>播放</translation>
    </message>
    <message>
        <source>Play the areas a number of times</source>
        <translation>各区域播放指定次数</translation>
    </message>
    <message>
        <source>Play for a fixed time</source>
        <translation>播放固定时长</translation>
    </message>
    <message>
        <source> times</source>
        <translation> 次</translation>
    </message>
    <message>
        <source>Mode:</source>
        <translation>模式：</translation>
    </message>
    <message>
        <source>Play time:</source>
        <translation>播放时长：</translation>
    </message>
    <message>
        <source>Passes:</source>
        <translation>播放次数：</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>背景</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>图片</translation>
    </message>
    <message>
        <source>Colour</source>
        <translation>颜色</translation>
    </message>
    <message>
        <source>No picture</source>
        <translation>未选择图片</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>浏览...</translation>
    </message>
    <message>
        <source>Colour:</source>
        <translation>颜色：</translation>
    </message>
    <message>
        <source>Picture:</source>
        <translation>图片：</translation>
    </message>
    <message>
        <source>Opacity:</source>
        <translation>不透明度：</translation>
    </message>
    <message>
        <source>Schedule</source>
        <translation>播放计划</translation>
    </message>
    <message>
        <source>to</source>
        <translation>至</translation>
    </message>
    <message>
        <source>Mon</source>
        <translation>周一</translation>
    </message>
    <message>
        <source>Tue</source>
        <translation>周二</translation>
    </message>
    <message>
        <source>Wed</source>
        <translation>周三</translation>
    </message>
    <message>
        <source>Thu</source>
        <translation>周四</translation>
    </message>
    <message>
        <source>Fri</source>
        <translation>周五</translation>
    </message>
    <message>
        <source>Sat</source>
        <translation>周六</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>周日</translation>
    </message>
    <message>
        <source>Only in these months</source>
        <translation>仅在以下月份</translation>
    </message>
    <message>
        <source>Daily:</source>
        <translation>每天：</translation>
    </message>
    <message>
        <source>Weekdays:</source>
        <translation>星期：</translation>
    </message>
    <message>
        <source>Select Background Picture</source>
        <translation>选择背景图片</translation>
    </message>
    <message>
        <source>Pictures (*.png *.jpg *.jpeg *.bmp *.gif)</source>
        <translation>图片 (*.png *.jpg *.jpeg *.bmp *.gif)</translation>
    </message>
</context>
<context>
    <name>Ky::KScenePlugin</name>
    <message>
        <source>Program</source>
        <translation>节目</translation>
    </message>
</context>
<context>
    <name>Ky::KScreenPlugin</name>
    <message>
        <source>Screen</source>
        <translation>屏幕</translation>
    </message>
</context>
<context>
    <name>Ky::KXmlDataAccess</name>
    <message>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>Read [</source>
        <translation>读取 [</translation>
    </message>
    <message>
        <source>] error! Insufficient permissions? Please try to run the program as an administrator</source>
        <translation>] 出错！权限不足？请尝试以管理员身份运行程序</translation>
    </message>
    <message>
        <source>not a project file</source>
        <translation>不是项目文件</translation>
    </message>
    <message>
        <source>damaged at line %1: %2</source>
        <translation>第 %1 行已损坏：%2</translation>
    </message>
    <message>
        <source>] error! The file is damaged; only the part before the damage was read. Save the project under a new name to keep the original file.</source>
        <translation>] 出错！文件已损坏，仅读取了损坏处之前的部分。请将项目另存为新名称，以保留原文件。</translation>
    </message>
    <message>
        <source>nothing to write</source>
        <translation>没有可写入的内容</translation>
    </message>
    <message>
        <source>Write [</source>
        <translation>写入 [</translation>
    </message>
    <message>
        <source>the document could not be encoded</source>
        <translation>无法编码该文档</translation>
    </message>
    <message>
        <source>] error! The file could not be written completely; its previous content is kept.</source>
        <translation>] 出错！文件未能完整写入，已保留其原有内容。</translation>
    </message>
    <message>
        <source>(no type)</source>
        <translation>（无类型）</translation>
    </message>
    <message>
        <source>This project holds items of kinds that are not installed: %1. They are kept and saved back unchanged, but cannot be shown or edited.</source>
        <translation>此项目包含以下未安装类型的元素：%1。这些元素会原样保留并保存，但无法显示或编辑。</translation>
    </message>
</context>
</TS>
